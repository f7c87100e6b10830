#include "ui/result/report_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/crc16.h"

namespace {

struct Row {
    std::string name;
    std::uint16_t crc;
    std::int64_t size;
};

// Lays out the given messages and rows and returns the report's lines.
class ReportLayoutTest : public ::testing::Test {
protected:
    std::vector<std::string> Layout(const std::vector<std::string>& messageLines,
                                    const std::vector<Row>& rows) {
        for (const auto& message : messageLines) {
            messages.AddTail(message);
        }
        for (const auto& row : rows) {
            names.AddTail(row.name);
            crcs.AddTail(row.crc);
            sizes.AddTail(row.size);
        }
        std::vector<std::string> lines;
        totals = BuildReportLines(messages, names, crcs, sizes,
                                  [&lines](const std::string& line) { lines.push_back(line); });
        return lines;
    }

    void ExpectTotals(std::size_t messageLines, std::size_t errorLines, std::size_t files,
                      std::int64_t bytes) const {
        EXPECT_EQ(totals.messageLines, messageLines);
        EXPECT_EQ(totals.errorLines, errorLines);
        EXPECT_EQ(totals.files, files);
        EXPECT_EQ(totals.bytes, bytes);
    }

    CStringList messages;
    CStringList names;
    CCrcList crcs;
    CSizeList sizes;
    ReportTotals totals;
};

TEST_F(ReportLayoutTest, WorkedExampleLineForLine) {
    const auto lines = Layout({"@", "@"}, {{"a.bin", 0x1A2B, 5}, {"sample.dat", 0x00FF, 1234567}});
    const std::vector<std::string> expected = {
        "Name        CRC   Bytes",     "----------  ----  ---------",
        "a.bin       1A2B          5", "sample.dat  00FF  1,234,567",
        "---------------------------", "Total  2 Files  1,234,572 Bytes",
    };
    EXPECT_EQ(lines, expected);
    ExpectTotals(0, 0, 2, 1234572);
    EXPECT_TRUE(messages.IsEmpty());
    EXPECT_TRUE(names.IsEmpty());
    EXPECT_TRUE(crcs.IsEmpty());
    EXPECT_TRUE(sizes.IsEmpty());
}

TEST_F(ReportLayoutTest, ANameLongerThanTheCapHasItsOwnRowAndWidensNoOther) {
    const std::string capped(kNameColumnCap, 'c');
    const std::string longer(kNameColumnCap + 1, 'l');
    const auto lines = Layout({}, {{"a.bin", 0x1A2B, 5}, {longer, 0x00FF, 7}, {capped, 0, 0}});
    const std::string pad(kNameColumnCap - 5, ' ');
    EXPECT_EQ(lines[2], "a.bin" + pad + "  1A2B      5");
    EXPECT_EQ(lines[3], longer + "  00FF      7");
    EXPECT_EQ(lines[4], capped + "  0000      0");
    EXPECT_EQ(lines[5], std::string(kNameColumnCap + 13, '-'));
}

TEST_F(ReportLayoutTest, MessagesOnlyGiveNoTableAndLeaveTheRowValuesAlone) {
    crcs.AddTail(0x1234);
    sizes.AddTail(7);
    const auto lines = Layout({"a.bin:読み込みエラー", "@", "@x"}, {});
    EXPECT_EQ(lines, (std::vector<std::string>{"a.bin:読み込みエラー", "@x"}));
    ExpectTotals(2, 2, 0, 0);
    Layout({"エラーは見つかりませんでした。"}, {});
    ExpectTotals(1, 0, 0, 0);
    EXPECT_EQ(crcs.GetCount(), 1u);
    EXPECT_EQ(sizes.GetCount(), 1u);
}

TEST_F(ReportLayoutTest, PlaceholdersAloneStartTheReportWithTheHeader) {
    const auto lines = Layout({"@"}, {{"ab", 0x0001, 0}});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Name  CRC   Bytes");
    EXPECT_EQ(lines[1], "----  ----  -----");
    EXPECT_EQ(lines[2], "ab    0001      0");
    EXPECT_EQ(lines[3], "-----------------");
    EXPECT_EQ(lines[4], "Total  1 Files  0 Bytes");
}

TEST_F(ReportLayoutTest, NameColumnCountsBytesOfDoubleByteNames) {
    // Three double-byte characters are six bytes, six display columns.
    const auto lines = Layout({}, {{"表示名", 0xBEEF, 10}, {"a", 0x0000, 20}});
    EXPECT_EQ(lines[0], "Name    CRC   Bytes");
    EXPECT_EQ(lines[2], "表示名  BEEF     10");
    EXPECT_EQ(lines[3], "a       0000     20");
}

TEST_F(ReportLayoutTest, SizeColumnWidthFollowsTheLargestSize) {
    struct Case {
        std::int64_t largest;
        std::size_t width;
    };
    const Case cases[] = {{0, 5},           {9, 5},           {9999, 5},         {10000, 6},
                          {999999, 7},      {1000000, 9},     {99999999, 10},    {999999999, 11},
                          {1000000000, 13}, {4294967296, 13}, {99999999999, 14}, {-5, 5}};
    for (const Case& c : cases) {
        const auto lines = Layout({}, {{"f", 0, c.largest}, {"g", 0, 0}});
        const std::string& rule = lines[1];
        EXPECT_EQ(rule.size() - rule.rfind(' ') - 1, c.width) << c.largest;
        EXPECT_EQ(lines[2].size(), 4 + 8 + c.width) << c.largest;
    }
}

TEST_F(ReportLayoutTest, TotalsCountEveryRowAndGoBeyond32Bits) {
    const auto lines = Layout(
        {}, {{"a.iso", 0, 3'000'000'000}, {"b.iso", 0, 3'000'000'000}, {"c", 0, 0}, {"d", 0, 0}});
    EXPECT_EQ(lines.back(), "Total  4 Files  6,000,000,000 Bytes");
    ExpectTotals(0, 0, 4, 6'000'000'000);
    EXPECT_EQ(lines[2], "a.iso  0000  3,000,000,000");
}

TEST_F(ReportLayoutTest, LongNamesAreNeverCut) {
    const std::string longName(1000, 'n');
    const auto lines = Layout({}, {{longName, 0, 1}});
    EXPECT_EQ(lines[2], longName + "  0000      1");
}

TEST_F(ReportLayoutTest, ARowWithoutItsValuesShowsNotComputed) {
    names.AddTail("orphan");
    const auto lines = Layout({}, {});
    EXPECT_EQ(lines[2], "orphan  FFFF      0");
}

TEST(GroupThousandsTest, GroupsOfThreeDigits) {
    EXPECT_EQ(GroupThousands(0), "0");
    EXPECT_EQ(GroupThousands(5), "5");
    EXPECT_EQ(GroupThousands(999), "999");
    EXPECT_EQ(GroupThousands(1000), "1,000");
    EXPECT_EQ(GroupThousands(1001), "1,001");
    EXPECT_EQ(GroupThousands(1234567), "1,234,567");
    EXPECT_EQ(GroupThousands(1000000), "1,000,000");
    EXPECT_EQ(GroupThousands(2147483648), "2,147,483,648");
    EXPECT_EQ(GroupThousands(INT64_MAX), "9,223,372,036,854,775,807");
    EXPECT_EQ(GroupThousands(-5), "-5");
    EXPECT_EQ(GroupThousands(-1234567), "-1234567");
}

}  // namespace
