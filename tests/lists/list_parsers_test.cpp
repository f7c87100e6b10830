#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lists/column_list_parser.h"
#include "lists/delimited_list_parser.h"
#include "lists/report_list_parser.h"
#include "ui/result/report_layout.h"

namespace {

ListEntry Entry(std::string name, std::uint16_t crc, std::int64_t size) {
    return {std::move(name), crc, size, EntryFault::None};
}

ListEntry Fault(std::string name, EntryFault fault) {
    return {std::move(name), 0, 0, fault};
}

// Entries the parser yields for the lines, and what they note of the list.
template <class Parser>
std::vector<ListEntry> ReadAll(Parser& parser, const std::vector<std::string>& lines,
                               ListNotes* notes = nullptr) {
    std::vector<ListEntry> entries;
    ListNotes noted;
    for (const std::string& line : lines) {
        const LineReading reading = parser.Read(line);
        noted += reading.notes;
        if (reading.step == LineStep::Entry) {
            entries.push_back(reading.entry);
        }
    }
    noted += parser.Finish();
    if (notes != nullptr) {
        *notes = noted;
    }
    return entries;
}

// As the report reader reads a list: a rule of the report's shape, if the
// list holds one, opens the table.
std::vector<ListEntry> ReadReport(const std::vector<std::string>& lines,
                                  ListNotes* notes = nullptr) {
    ReportListParser parser(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return ReportListParser::IsReportRule(line);
    }));
    return ReadAll(parser, lines, notes);
}

std::vector<ListEntry> ReadColumns(const std::vector<std::string>& lines,
                                   ListNotes* notes = nullptr) {
    ColumnListParser parser;
    return ReadAll(parser, lines, notes);
}

// The report's worked example, preceded by the messages of an earlier job.
const std::vector<std::string> kReport = {
    "x.bin:読み込みエラー",
    "Name        CRC   Bytes",
    "----------  ----  ---------",
    "a.bin       1A2B          5",
    "sample.dat  00FF  1,234,567",
    "---------------------------",
    "Total  2 Files  1,234,572 Bytes",
};

TEST(ReportListParserTest, ReadsTheRowsBetweenTheRuleLines) {
    EXPECT_EQ(ReadReport(kReport), (std::vector<ListEntry>{Entry("a.bin", 0x1A2B, 5),
                                                           Entry("sample.dat", 0xFF, 1234567)}));
}

TEST(ReportListParserTest, ReadsBackWhatTheReportLayoutWrites) {
    CStringList messages, names;
    CCrcList crcs;
    CSizeList sizes;
    // A name past the name column's cap is written whole in its own row.
    const std::vector<ListEntry> rows = {
        Entry("表示.bin", 0x5C5C, 6'442'450'945), Entry("  ソフト 能力.txt", 0x0001, 0),
        Entry(std::string(300, 'n') + "  1A2B  5.bin", 0x1A2B, 5), Entry("Name.txt", 0xABCD, 1000),
        Entry("x", 0xFFFF, 2'147'483'648)};
    for (const ListEntry& row : rows) {
        names.AddTail(row.name);
        crcs.AddTail(row.crc);
        sizes.AddTail(row.size);
    }
    messages.AddTail("@");
    std::vector<std::string> lines;
    BuildReportLines(messages, names, crcs, sizes,
                     [&lines](const std::string& line) { lines.push_back(line); });
    // The first word "Name.txt" is not exactly "Name": that row is read too.
    EXPECT_EQ(ReadReport(lines), rows);
}

TEST(ReportListParserTest, EveryLineOfTheTableIsARowOrNamedAsNone) {
    EXPECT_EQ(
        ReadReport({
            "a.bin  1A2B  5",  // before the rule line: never read
            "-----  ----  -----", "", "   \t", "Name   1A2B      1", "Total  1A2B      2",
            "b.bin 1A2B       4",  // CRC moved one column
            "c.bin  1A2B 5",       // size column moved
            "d.bin  1A2B",         // shorter than the width plus eight
            "e.bin  1A2B  ",       // width plus eight: the size field is empty
            "f.bin  1a2b  7", "------------------",
            "g.bin  1A2B  8",  // after the table: never read
        }),
        (std::vector<ListEntry>{Entry("Name", 0x1A2B, 1), Entry("Total", 0x1A2B, 2),
                                Fault("b.bin 1A2B       4", EntryFault::NotARow),
                                Fault("c.bin  1A2B 5", EntryFault::NotARow),
                                Fault("d.bin  1A2B", EntryFault::NotARow),
                                Fault("e.bin", EntryFault::NoSize), Entry("f.bin", 0x1A2B, 7)}));
}

TEST(ReportListParserTest, AMessageBeginningWithADashIsNotTakenForTheRule) {
    std::vector<std::string> lines = kReport;
    lines.insert(lines.begin(), "-x.bin:読み込みエラー");
    EXPECT_EQ(ReadReport(lines), ReadReport(kReport));
    // Without a rule of the report's shape the first dash line is the rule.
    EXPECT_EQ(ReadReport({"-x.bin:読み込みエラー", "-----", "a.bin  1A2B  5"}),
              std::vector<ListEntry>{});
    EXPECT_EQ(ReadReport({"-----", "a.bin  1A2B  5", "-----"}),
              std::vector<ListEntry>{Entry("a.bin", 0x1A2B, 5)});
}

TEST(ReportListParserTest, FieldsThatHoldNoNumberMakeAFaultyEntry) {
    EXPECT_EQ(
        ReadReport({
            "-----  ----  -----",
            "a.bin  XYZ1      5",
            "b.bin            5",
            "c.bin  1A2B  abc",
            "d.bin  1A2B  99,999,999,999,999,999,999",
            "       1A2B      5",
        }),
        (std::vector<ListEntry>{
            Fault("a.bin", EntryFault::CrcNotHex), Fault("b.bin", EntryFault::NoCrc),
            Fault("c.bin", EntryFault::SizeNotNumeric), Fault("d.bin", EntryFault::SizeNotNumeric),
            Fault("1A2B      5", EntryFault::NoName)}));
}

TEST(DelimitedListParserTest, ReadsNameCrcAndSizeSeparatedByTwoCharacters) {
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B, 100").entry, Entry("a.bin", 0x1A2B, 100));
    EXPECT_EQ(ReadDelimitedLine("a.bin  1a2b  100").entry, Entry("a.bin", 0x1A2B, 100));
    // One separator: the next field's first character is taken as the second.
    EXPECT_EQ(ReadDelimitedLine("a.bin,1A2B,100").entry, Entry("a.bin", 0x0A2B, 0));
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B, 100.5").entry, Entry("a.bin", 0x1A2B, 100));
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B, 1,234").entry, Entry("a.bin", 0x1A2B, 1));
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B3C, 7 trailing words").entry,
              Entry("a.bin", 0x1A2B, 7));
    EXPECT_EQ(ReadDelimitedLine("a.bin\t1A2B, 00FF, 9\r").entry, Entry("a.bin\t1A2B", 0xFF, 9));
    EXPECT_EQ(ReadDelimitedLine("表示ソフト.bin, 5C5C, 2147483648").entry,
              Entry("表示ソフト.bin", 0x5C5C, 2'147'483'648));
    // A title line: "Checksums", then the CRC "f" and the size "he".
    EXPECT_EQ(ReadDelimitedLine("Checksums of the folder").entry,
              Fault("Checksums", EntryFault::SizeNotNumeric));
}

TEST(DelimitedListParserTest, MissingFieldsAndBlankLines) {
    EXPECT_EQ(ReadDelimitedLine("  \t ").step, LineStep::Skip);
    EXPECT_EQ(ReadDelimitedLine(" a.bin, 1A2B, 1").entry,
              Fault("a.bin, 1A2B, 1", EntryFault::NoName));
    EXPECT_EQ(ReadDelimitedLine(",x").entry, Fault(",x", EntryFault::NoName));
    EXPECT_EQ(ReadDelimitedLine("a.bin").entry, Fault("a.bin", EntryFault::NoCrc));
    EXPECT_EQ(ReadDelimitedLine("a.bin,").entry, Fault("a.bin", EntryFault::NoCrc));
    EXPECT_EQ(ReadDelimitedLine("a.bin, , 1").entry, Fault("a.bin", EntryFault::NoCrc));
    EXPECT_EQ(ReadDelimitedLine("a.bin, XY, 1").entry.fault, EntryFault::CrcNotHex);
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B").entry.fault, EntryFault::NoSize);
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B, ").entry.fault, EntryFault::NoSize);
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B, .5").entry.fault, EntryFault::NoSize);
    EXPECT_EQ(ReadDelimitedLine("a.bin, 1A2B, many").entry.fault, EntryFault::SizeNotNumeric);
}

TEST(DelimitedListParserTest, FieldsAreRefusedPastTheirLimits) {
    const std::string name259(259, 'n');
    EXPECT_EQ(ReadDelimitedLine(name259 + ", 1A2B, 1").entry, Entry(name259, 0x1A2B, 1));
    EXPECT_EQ(ReadDelimitedLine(name259 + "x, 1A2B, 1").entry,
              Fault(name259 + "x", EntryFault::NameTooLong));
    EXPECT_EQ(ReadDelimitedLine("a, 1A2B3C4, 1").entry, Entry("a", 0x1A2B, 1));
    EXPECT_EQ(ReadDelimitedLine("a, 1A2B3C4D, 1").entry.fault, EntryFault::CrcTooLong);
    const std::string size31 = "1" + std::string(30, '0');
    EXPECT_EQ(ReadDelimitedLine("a, 1A2B, " + size31).entry.fault, EntryFault::SizeNotNumeric);
    EXPECT_EQ(ReadDelimitedLine("a, 1A2B, 5." + std::string(29, '0')).entry, Entry("a", 0x1A2B, 5));
    EXPECT_EQ(ReadDelimitedLine("a, 1A2B, 5." + std::string(30, '0')).entry.fault,
              EntryFault::SizeTooLong);
    // A field of a megabyte is refused like any other over-long field.
    EXPECT_EQ(ReadDelimitedLine(std::string(1 << 20, 'x')).entry.fault, EntryFault::NameTooLong);
}

TEST(ColumnListParserTest, ReadsEntriesBetweenTheRulesFromTheLinesEnd) {
    EXPECT_EQ(
        ReadColumns({
            "FileName                 CRC   Size",
            "a.bin  1A2B  5",  // above the rule: not read
            "------------------------ ----  ----------",
            "a.bin                    1A2B  5",
            "",
            "  my file.txt  00ff      1,234,567",
            "表示ソフト.bin5C5C 6,442,450,945",
            "------------------------ ----  ----------",
            "total                    0000  1,234,572",
        }),
        (std::vector<ListEntry>{Entry("a.bin", 0x1A2B, 5), Entry("  my file.txt", 0x00FF, 1234567),
                                Entry("表示ソフト.bin", 0x5C5C, 6'442'450'945)}));
    EXPECT_TRUE(ReadColumns({"FileName", "a.bin  1A2B  5", "b.bin  1A2B  5"}).empty());
}

TEST(ColumnListParserTest, LinesThatCannotBeCutMakeFaultyEntries) {
    EXPECT_EQ(ReadColumnEntry("a.bin  1A2B  "), Fault("a.bin", EntryFault::NoSize));
    EXPECT_EQ(ReadColumnEntry("a.bin\t1A2B\t5"), Fault("a.bin\t1A2B\t5", EntryFault::NoSize));
    EXPECT_EQ(ReadColumnEntry("a.bin  1A2B  x"), Fault("a.bin", EntryFault::SizeNotNumeric));
    EXPECT_EQ(ReadColumnEntry("a.bin  ZZZZ  5"), Fault("a.bin", EntryFault::CrcNotHex));
    EXPECT_EQ(ReadColumnEntry("1A2B 5"), Fault("1A2B 5", EntryFault::NoName));
    EXPECT_EQ(ReadColumnEntry("  1A 5"), Fault("1A 5", EntryFault::NoName));
    // The four bytes before the size would start inside ア (0x83 0x41): no CRC.
    EXPECT_EQ(ReadColumnEntry("xア1A2 5"), Fault("x\x83", EntryFault::CrcNotHex));
}

}  // namespace
