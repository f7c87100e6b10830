#include "ui/result/report_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/result/report_summary.h"

namespace {

TEST(ReportSearchTest, MatchesWholeCharactersIgnoringTheCaseOfAsciiLetters) {
    struct Case {
        const char* line;
        const char* query;
        bool found;
    };
    const Case cases[] = {
        {"Sample.DAT  00FF", "sample.dat", true},
        {"a.bin:ファイルが開けません", "開けません", true},
        {"a.bin", "A.BIN ", false},
        {"a.bin", "", false},
        // "ア" is 83 41; its trail byte is no "A", nor is "Aa" found across it.
        {"ア", "A", false},
        {"アa", "Aa", false},
        // "ア" (83 41) and "ヂ" (83 61) differ only in a trail byte's "case".
        {"ヂ", "ア", false},
        {"xアy", "アY", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineContains(c.line, c.query), c.found) << c.line << " / " << c.query;
    }
}

TEST(ReportSearchTest, FindsTheNearestLineEitherWayAndGoesRound) {
    const std::vector<std::string> lines = {"a.bin", "b.txt", "c.bin", "d.txt"};
    EXPECT_EQ(FindReportLine(lines, "bin", std::nullopt, SearchDirection::Next), 0u);
    EXPECT_EQ(FindReportLine(lines, "bin", std::nullopt, SearchDirection::Previous), 2u);
    EXPECT_EQ(FindReportLine(lines, "bin", 0, SearchDirection::Next), 2u);
    EXPECT_EQ(FindReportLine(lines, "bin", 2, SearchDirection::Next), 0u);
    EXPECT_EQ(FindReportLine(lines, "bin", 0, SearchDirection::Previous), 2u);
    EXPECT_EQ(FindReportLine(lines, "d.", 3, SearchDirection::Next), 3u);
    EXPECT_EQ(FindReportLine(lines, "zip", 1, SearchDirection::Next), std::nullopt);
    EXPECT_EQ(FindReportLine({}, "bin", std::nullopt, SearchDirection::Next), std::nullopt);
}

TEST(ReportSummaryTest, CountsAndDurationAsTheStatusBarShowsThem) {
    EXPECT_EQ(ReportSummaryText({3, 2, 5000, 1234567}, std::chrono::milliseconds(1250)),
              "エラー 2 件  ファイル 5,000 個  1,234,567 バイト  所要時間 1.3 秒");
    EXPECT_EQ(ReportSummaryText({1, 0, 0, 0}, std::nullopt),
              "エラー 0 件  ファイル 0 個  0 バイト");
    struct Case {
        long long milliseconds;
        const char* text;
    };
    const Case cases[] = {{0, "0.0 秒"},
                          {49, "0.0 秒"},
                          {59949, "59.9 秒"},
                          {59950, "1 分 00 秒"},
                          {125000, "2 分 05 秒"},
                          {3600000, "1 時間 00 分 00 秒"},
                          {36009000, "10 時間 00 分 09 秒"},
                          {-5, "0.0 秒"}};
    for (const Case& c : cases) {
        EXPECT_EQ(DurationText(std::chrono::milliseconds(c.milliseconds)), c.text);
    }
}

}  // namespace
