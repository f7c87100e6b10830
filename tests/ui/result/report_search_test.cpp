#include "ui/result/report_search.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/result/report_summary.h"

namespace {

TEST(ReportSearchTest, MatchesWholeCharactersIgnoringTheCaseOfAsciiLetters) {
    const std::tuple<const char*, const char*, bool> cases[] = {
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
    for (const auto& [line, query, found] : cases) {
        EXPECT_EQ(LineContains(line, query), found) << line << " / " << query;
    }
}

TEST(ReportSummaryTest, CountsAndDurationAsTheStatusBarShowsThem) {
    EXPECT_EQ(ReportSummaryText({3, 2, 5000, 1234567}, std::chrono::milliseconds(1250)),
              "エラー 2 件  ファイル 5,000 個  1,234,567 バイト  所要時間 1.3 秒");
    EXPECT_EQ(ReportSummaryText({1, 0, 0, 0}, std::nullopt),
              "エラー 0 件  ファイル 0 個  0 バイト");
    const std::pair<long long, const char*> cases[] = {{49, "0.0 秒"},
                                                       {59949, "59.9 秒"},
                                                       {59950, "1 分 00 秒"},
                                                       {125000, "2 分 05 秒"},
                                                       {36009000, "10 時間 00 分 09 秒"},
                                                       {-5, "0.0 秒"}};
    for (const auto& [milliseconds, text] : cases) {
        EXPECT_EQ(DurationText(std::chrono::milliseconds(milliseconds)), text);
    }
}

}  // namespace
