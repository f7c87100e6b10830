#include <windows.h>

#include <gtest/gtest.h>

#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_state.h"
#include "framework/path_parts.h"
#include "lists/list_check.h"
#include "lists/list_inputs.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/support/named_files.h"

namespace {

// Message texts in code page 932.
const std::string kReadError = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";
const std::string kSizeMismatch = "\x83\x54\x83\x43\x83\x59\x95\x73\x88\xEA\x92\x76";
const std::string kCrcMismatch = "CRC\x95\x73\x88\xEA\x92\x76";
// 表示 (0x95 0x5C ...), ソフト (0x83 0x5C ...) and 能力 (0x94 0x5C ...).
const std::string kTrailFolder = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67\x94\x5C\x97\xCD";

ListLines LinesOf(const std::vector<std::string>& lines) {
    ListLines list;
    for (const std::string& line : lines) {
        list.lines.push_back({line});
    }
    return list;
}

// Stops the job when the given entry's check begins: its file is left
// unread and gets no row, and the list ends there.
struct StopAtEntry : JobObserver {
    explicit StopAtEntry(int entry) : stopAt(entry) {}
    int stopAt;
    int started = 0;
    void OnInputStarted(const std::string&) override {
        if (++started == stopAt) {
            g_stopRequested = 1;
        }
    }
    void OnBytesRead(std::int64_t) override {}
};

// A report row with the name padded to the name column's width.
std::string ReportRow(std::string name, std::size_t width, const std::string& crc,
                      const std::string& size) {
    name.resize(width, ' ');
    return name + "  " + crc + "  " + size;
}

class ReportListTest : public ListCheckTest {
protected:
    // Verifies the lines as the report list "report.txt" in folderPath.
    void Verify(const std::vector<std::string>& lines, const std::string& folderPath) {
        VerifyListLines(LinesOf(lines), ListForm::Report, Named(folderPath + "\\report.txt"),
                        report);
    }
    void Verify(const std::vector<std::string>& lines) { Verify(lines, folder.Path()); }
};

// The report of two files as the result window saves it, after messages of
// an earlier job.
const std::vector<std::string> kReport = {
    "old.bin:" + kReadError,           "Name        CRC   Bytes",     "----------  ----  ---------",
    "a.bin       1A2B          5",     "sample.dat  00FF  1,234,567", "---------------------------",
    "Total  2 Files  1,234,572 Bytes",
};

TEST_F(ReportListTest, ASavedReportVerifiesCleanUntilAFileChanges) {
    folder.Write("a.bin", ContentWithCrc(5, 0x1A2B));
    std::string sample = ContentWithCrc(1234567, 0x00FF);
    const std::string samplePath = folder.Write("sample.dat", sample);
    Verify(kReport);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0x1A2B, 5}, {"sample.dat", 0x00FF, 1234567}}));
    // The message of the earlier job stays an error of the report.
    const std::string recorded =
        folder.Path() + "\\report.txt:このレポートは作成時に1件のエラーを記録しています。";
    EXPECT_EQ(Messages(), std::vector<std::string>{recorded});
    EXPECT_TRUE(FailedNames().empty());

    report.Clear();
    sample[600000] ^= 0x01;
    folder.Write("sample.dat", sample);
    const std::uint16_t changed = ComputeFileCrc(Named(samplePath));
    Verify(kReport);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0x1A2B, 5}, {"sample.dat", changed, 1234567}}));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "sample.dat:" + kCrcMismatch + "(List=00FF,File=" + FormatCrcHex(changed) + ")",
                  recorded}));
    EXPECT_EQ(FailedNames(), std::vector<std::string>{"sample.dat"});
}

// Windows names may begin with a blank or hold one before the dot: a row
// of the report is its file's exact name, never a neighbour's.
TEST_F(ReportListTest, ARowNamesExactlyItsFileBlanksAndAll) {
    for (const char* name : {"x .bin", " y.bin"}) {
        folder.Write(name, ContentWithCrc(100, 0x1A2B));
    }
    for (const char* name : {"x.bin", "y.bin"}) {
        folder.Write(name, ContentWithCrc(120, 0x00FF));
    }
    Verify({
        std::string(11, '-') + "  ----  -----",
        ReportRow("x .bin", 11, "1A2B", "  100"),
        ReportRow(" y.bin", 11, "1A2B", "  100"),
        ReportRow("missing.bin", 11, "0000", "    7"),
        ReportRow("bad.bin", 11, "ZZZZ", "    7"),
        std::string(24, '-'),
    });
    EXPECT_EQ(Rows(), (std::vector<Row>{{"x .bin", 0x1A2B, 100},
                                        {" y.bin", 0x1A2B, 100},
                                        {"missing.bin", 0xFFFF, 0},
                                        {"bad.bin", 0xFFFF, 0}}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "missing.bin:" + kReadError,
                              "bad.bin:CRCの欄が16進数ではありません",
                          }));
}

TEST_F(ReportListTest, DoubleByteNamesInADoubleByteFolder) {
    const std::string listFolder = folder.MakeFolder(kTrailFolder);
    folder.MakeFolder(kTrailFolder + "\\能力");
    folder.Write(kTrailFolder + "\\表示.bin", ContentWithCrc(10, 0x5C5C));
    folder.Write(kTrailFolder + "\\能力\\ソ.bin", ContentWithCrc(20, 0x0102));
    Verify(
        {
            std::string(12, '-') + "  ----  -----",
            ReportRow("表示.bin", 12, "5C5C", "   10"),
            ReportRow("能力\\ソ.bin", 12, "0102", "   20"),
        },
        listFolder);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"表示.bin", 0x5C5C, 10}, {"能力\\ソ.bin", 0x0102, 20}}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportListTest, AStopEndsTheListAtTheEntryBeingChecked) {
    std::vector<std::string> lines = {"-----  ----  -----"};
    for (const char* name : {"1.bin", "2.bin", "3.bin", "4.bin"}) {
        folder.Write(name, ContentWithCrc(5, 0x1A2B));
        lines.push_back(ReportRow(name, 5, "1A2B", "    5"));
    }
    StopAtEntry stop(2);
    SetJobObserver(&stop);
    Verify(lines);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"1.bin", 0x1A2B, 5}}));
    EXPECT_EQ(stop.started, 2);
}

class DelimitedListTest : public ListCheckTest {
protected:
    void Verify(const std::vector<std::string>& lines, const std::string& folderPath) {
        VerifyListLines(LinesOf(lines), ListForm::Delimited, Named(folderPath + "\\list.crc"),
                        report);
    }
    void Verify(const std::vector<std::string>& lines) { Verify(lines, folder.Path()); }
};

TEST_F(DelimitedListTest, CrcFirstWithTheSeparatorsAsTheyFall) {
    for (const char* name : {"a.bin", "b.bin", "c.bin"}) {
        folder.Write(name, ContentWithCrc(100, 0x1A2B));
    }
    // The second line reads as the CRC 0A2B and the size 0.
    Verify({"a.bin, 1A2B, 100", "", "b.bin,1A2B,100", "c.bin  1a2b  999.5"});
    EXPECT_EQ(Rows(), (std::vector<Row>{
                          {"a.bin", 0x1A2B, 100}, {"b.bin", 0x1A2B, 100}, {"c.bin", 0x1A2B, 100}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"b.bin:" + kSizeMismatch + "(List=0,File=100)"});
    EXPECT_EQ(FailedNames(), std::vector<std::string>{"b.bin"});
}

TEST_F(DelimitedListTest, LinesThatAreNoEntriesAreRecordedAsFailed) {
    Verify({
        "Checksums of the folder",
        "big.bin, 1A2B3C4D, 100",
        "  \t",
        std::string(300, 'n') + ", 1A2B, 1",
        "missing.bin, 1A2B, 1",
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Checksums:サイズの欄が数値ではありません",
                              "big.bin:CRCの欄が長すぎます",
                              std::string(300, 'n') + ":名前の欄が長すぎます",
                              "missing.bin:" + kReadError,
                          }));
    EXPECT_EQ(Rows().size(), 4u);
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"Checksums", "big.bin",
                                                       std::string(300, 'n'), "missing.bin"}));
}

TEST_F(DelimitedListTest, DoubleByteNamesInADoubleByteFolder) {
    const std::string listFolder = folder.MakeFolder(kTrailFolder);
    folder.Write(kTrailFolder + "\\ソフト.bin", ContentWithCrc(30, 0x8A5C));
    Verify({"ソフト.bin, 8A5C, 30"}, listFolder);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"ソフト.bin", 0x8A5C, 30}}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DelimitedListTest, AStopEndsTheListAtTheEntryBeingChecked) {
    for (const char* name : {"a.bin", "b.bin", "c.bin"}) {
        folder.Write(name, ContentWithCrc(5, 0x1A2B));
    }
    StopAtEntry stop(2);
    SetJobObserver(&stop);
    Verify({"a.bin, 1A2B, 5", "", "b.bin, 1A2B, 5", "", "c.bin, 1A2B, 5"});
    EXPECT_EQ(Rows().size(), 1u);
}

class ColumnListTest : public ListCheckTest {
protected:
    // A column list with these entry lines, CR LF line ends.
    static std::string ColumnList(const std::vector<std::string>& entries) {
        std::string text = "FileName                CRC   Size\r\n";
        text += "----------------------  ----  ----------\r\n";
        for (const std::string& entry : entries) {
            text += entry + "\r\n";
        }
        return text + "----------------------------------------\r\n";
    }
    // A ".crc" list as the job verifies it, read from disk.
    void VerifyColumnList(const CFileName& list) {
        kChecksumLists.crcList(InputEntry(list), report);
    }
};

TEST_F(ColumnListTest, MessagesNameThePathOfTheEntry) {
    const std::string data = folder.MakeFolder("data");
    const std::string list = folder.Write("data\\list.crc", ColumnList({"a.bin  1A2B  100"}));
    const std::string path = data + "\\a.bin";
    VerifyColumnList(Named(list));
    folder.Write("data\\a.bin", ContentWithCrc(120, 0x00FF));
    VerifyColumnList(Named(list));
    folder.Write("data\\a.bin", ContentWithCrc(100, 0x00FF));
    VerifyColumnList(Named(list));
    folder.Write("data\\a.bin", ContentWithCrc(100, 0x1A2B));
    VerifyColumnList(Named(list));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              path + ":" + kReadError,
                              path + ":" + kSizeMismatch + "(List=100,File=120)",
                              "a.bin:" + kCrcMismatch + "(List=1A2B,File=00FF)",
                          }));
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0xFFFF, 0},
                                        {"a.bin", 0xFFFF, 120},
                                        {"a.bin", 0x00FF, 100},
                                        {"a.bin", 0x1A2B, 100}}));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>(3, "a.bin")));
}

TEST_F(ColumnListTest, ListsOfAGibibyteAndMoreAreRefused) {
    folder.Write("a.bin", ContentWithCrc(5, 0x1A2B));
    const std::string head = ColumnList({"a.bin  1A2B  5"});
    constexpr long long kLimit = 1LL << 30;
    for (const long long size : {1LL << 20, kLimit}) {
        SCOPED_TRACE(size);
        report.Clear();
        // Blanks after the closing rule, or a hole, bring the list to its size on disk.
        const std::string list = size < kLimit
                                     ? folder.Write("list.crc", head + std::string(size, ' '))
                                     : folder.WriteSized("list.crc", head, size);
        VerifyColumnList(Named(list));
        if (size < kLimit) {
            EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0x1A2B, 5}}));
            EXPECT_TRUE(Messages().empty());
        } else {
            EXPECT_TRUE(Rows().empty());
            // ":サイズが1Gを超えています。", as for any list
            EXPECT_EQ(Messages(),
                      std::vector<std::string>{
                          list + ":\x83\x54\x83\x43\x83\x59\x82\xaa\x31\x47\x82\xf0"
                                 "\x92\xb4\x82\xa6\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81\x42"});
        }
    }
}

TEST_F(ColumnListTest, AListThatCannotBeOpenedLeavesOneMessage) {
    const std::string list = folder.PathOf("missing.crc");
    VerifyColumnList(Named(list));
    // ":ファイルが開けません", as for any list: it is read once, before its form is known
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              list + "\x3a\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf"
                                     "\x82\xdc\x82\xb9\x82\xf1"});
    EXPECT_TRUE(Rows().empty());
}

// Every table of a column list is read; a line outside the tables that is
// neither a header nor a rule is named, and so is text after the end mark.
TEST_F(ColumnListTest, EveryTableIsReadAndEveryOtherLineNamed) {
    for (const char* name : {"a.bin", "b.bin", "c.bin", "d.bin"}) {
        folder.Write(name, ContentWithCrc(5, 0x1A2B));
    }
    const std::string none = folder.Write("none.crc", "FileName\r\na.bin  1A2B  5\r\n");
    VerifyColumnList(Named(none));
    EXPECT_TRUE(Rows().empty());
    const std::string tables =
        folder.Write("tables.crc",
                     "FileName\nb.bin  1A2B  5\n-\n\na.bin  1A2B  5\n-\n"
                     "c.bin  1A2B  5\r\nFileName\r\n-\r\nd.bin  1A2B  5\r\n");
    VerifyColumnList(Named(tables));
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0x1A2B, 5}, {"d.bin", 0x1A2B, 5}}));
    const std::string ctrlZ = folder.Write("ctrlz.crc",
                                           "FileName\r\n-\r\nb.bin  1A2B  5\r\n\x1A"
                                           "c.bin  1A2B  5\r\n");
    VerifyColumnList(Named(ctrlZ));
    EXPECT_EQ(Rows().size(), 3u);
    // "表の外にあるn行は照合していません。"
    const std::string outside = "\x95\x5C\x82\xCC\x8A\x4F\x82\xC9\x82\xA0\x82\xE9";
    const std::string unchecked =
        "\x8D\x73\x82\xCD\x8F\xC6\x8D\x87\x82\xB5\x82\xC4\x82\xA2"
        "\x82\xDC\x82\xB9\x82\xF1\x81\x42";
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              none + ":" + outside + "1" + unchecked,
                              tables + ":" + outside + "2" + unchecked,
                              ctrlZ + ":終わりの印（Ctrl-Z）の後ろの行は照合していません。",
                          }));
}

TEST_F(ColumnListTest, DoubleByteNamesInADoubleByteFolder) {
    folder.MakeFolder(kTrailFolder);
    folder.Write(kTrailFolder + "\\表示 ソフト.bin", ContentWithCrc(1000, 0x955C));
    const std::string list =
        folder.Write(kTrailFolder + "\\能力.crc", ColumnList({"表示 ソフト.bin  955C  1,000"}));
    VerifyColumnList(Named(list));
    EXPECT_EQ(Rows(), (std::vector<Row>{{"表示 ソフト.bin", 0x955C, 1000}}));
    EXPECT_TRUE(Messages().empty());
}

// Fixed columns pad names: a column list's name is trimmed around its first
// dot, unless only the name as written exists; where both do, neither is
// taken for the other.
TEST_F(ColumnListTest, PaddedNamesAreTrimmedUnlessBothReadingsExist) {
    for (const char* name : {"FOO.BIN", "a .bin", "a.bin", "b .bin"}) {
        folder.Write(name, ContentWithCrc(5, 0x1A2B));
    }
    VerifyColumnList(Named(folder.Write(
        "list.crc", ColumnList({"FOO     .BIN  1A2B  5", "a .bin  1A2B  5", "b .bin  1A2B  5"}))));
    EXPECT_EQ(Rows(),
              (std::vector<Row>{
                  {"FOO     .BIN", 0x1A2B, 5}, {"a .bin", 0xFFFF, 0}, {"b .bin", 0x1A2B, 5}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "a .bin:a.binとも読め、両方のファイルがあるため照合していません。"});
}

TEST_F(ColumnListTest, SizesOfGibibytesWithThousandsCommas) {
    const std::string path = folder.PathOf("big.iso");
    MakeLongFile(path, 2'147'483'649);
    VerifyColumnList(Named(folder.Write("list.crc", ColumnList({"big.iso  1A2B  6,442,450,945"}))));
    EXPECT_EQ(Rows(), (std::vector<Row>{{"big.iso", 0xFFFF, 2'147'483'649}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{path + ":" + kSizeMismatch +
                                                   "(List=6442450945,File=2147483649)"});
}

TEST_F(ColumnListTest, LinesThatCannotBeCutAreRecordedAsFailed) {
    folder.Write("a.bin", ContentWithCrc(5, 0x1A2B));
    VerifyColumnList(
        Named(folder.Write("list.crc", ColumnList({"a.bin\t1A2B\t5", "a.bin  1A2B  5"}))));
    // A tab is shown as what it is, not as blank space.
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin<09>1A2B<09>5", 0xFFFF, 0}, {"a.bin", 0x1A2B, 5}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{folder.PathOf("a.bin<09>1A2B<09>5") +
                                                   ":サイズの欄がありません"});
}

TEST_F(ColumnListTest, AStopEndsTheListAtTheEntryBeingChecked) {
    for (const char* name : {"a.bin", "b.bin", "c.bin"}) {
        folder.Write(name, ContentWithCrc(5, 0x1A2B));
    }
    const std::string list = folder.Write(
        "list.crc", ColumnList({"a.bin  1A2B  5", "b.bin  1A2B  5", "c.bin  1A2B  5"}));
    StopAtEntry stop(2);
    SetJobObserver(&stop);
    VerifyColumnList(Named(list));
    EXPECT_EQ(Rows().size(), 1u);
}

}  // namespace
