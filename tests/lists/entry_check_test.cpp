#include "lists/entry_check.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "engine/job_control.h"
#include "tests/lists/list_check_fixture.h"

namespace {

// "読み込みエラー", "サイズ不一致" and "CRC不一致" in code page 932.
const std::string kReadError = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";
const std::string kSizeMismatch = "\x83\x54\x83\x43\x83\x59\x95\x73\x88\xEA\x92\x76";
const std::string kCrcMismatch = "CRC\x95\x73\x88\xEA\x92\x76";

// Checks a.bin, listed with the size 100 and the CRC 1A2B, against the
// given content (none: no such file) and compares what it leaves.
class EntryCheckTest : public ListCheckTest {
protected:
    // Verifies one listed file as a list's reader does; messages name it by
    // its path when messageName is the path, else by the entry's name.
    void CheckListEntry(const ListEntry& entry, const std::string& path, CheckOrder order,
                        const std::string& messageName) {
        const CFileName file = CFileName::FromText(path);
        DiskProbe disk(file.Folder(), file);
        VerifyListEntry(disk, entry, {0, file, {}, messageName == path, true, order}, report);
    }

    void CheckListedFile(const std::string& name, std::uint16_t crc, std::int64_t size,
                         const std::string& path, CheckOrder order,
                         const std::string& messageName) {
        CheckListEntry({name, crc, size, EntryFault::None}, path, order, messageName);
    }

    void ExpectOutcome(CheckOrder order, const std::optional<std::string>& content, const Row& row,
                       const std::vector<std::string>& messages, bool failed) {
        report.Clear();
        const std::string path = folder.PathOf("a.bin");
        DeleteFileA(path.c_str());
        if (content) {
            folder.Write("a.bin", *content);
        }
        CheckListedFile("a.bin", 0x1A2B, 100, path, order, "a.bin");
        EXPECT_EQ(Rows(), std::vector<Row>{row});
        EXPECT_EQ(Messages(), messages);
        EXPECT_EQ(FailedNames(),
                  failed ? std::vector<std::string>{"a.bin"} : std::vector<std::string>{});
    }
};

const std::string kSizeMessage = "a.bin:" + kSizeMismatch + "(List=100,File=120)";
const std::string kCrcMessage = "a.bin:" + kCrcMismatch + "(List=1A2B,File=00FF)";

TEST_F(EntryCheckTest, SizeFirstOutcomes) {
    constexpr CheckOrder order = CheckOrder::SizeFirst;
    ExpectOutcome(order, std::nullopt, {"a.bin", 0xFFFF, 0}, {"a.bin:" + kReadError}, true);
    ExpectOutcome(order, ContentWithCrc(120, 0x00FF), {"a.bin", 0xFFFF, 120}, {kSizeMessage}, true);
    // The CRC is not looked at once the length differs.
    ExpectOutcome(order, ContentWithCrc(120, 0x1A2B), {"a.bin", 0xFFFF, 120}, {kSizeMessage}, true);
    ExpectOutcome(order, ContentWithCrc(100, 0x00FF), {"a.bin", 0x00FF, 100}, {kCrcMessage}, true);
    ExpectOutcome(order, ContentWithCrc(100, 0x1A2B), {"a.bin", 0x1A2B, 100}, {}, false);
}

TEST_F(EntryCheckTest, CrcFirstOutcomes) {
    constexpr CheckOrder order = CheckOrder::CrcFirst;
    ExpectOutcome(order, std::nullopt, {"a.bin", 0xFFFF, 0}, {"a.bin:" + kReadError}, true);
    ExpectOutcome(order, ContentWithCrc(120, 0x1A2B), {"a.bin", 0x1A2B, 120}, {}, false);
    ExpectOutcome(order, ContentWithCrc(120, 0x00FF), {"a.bin", 0x00FF, 120}, {kSizeMessage}, true);
    ExpectOutcome(order, ContentWithCrc(100, 0x00FF), {"a.bin", 0x00FF, 100}, {kCrcMessage}, true);
    ExpectOutcome(order, ContentWithCrc(100, 0x1A2B), {"a.bin", 0x1A2B, 100}, {}, false);
}

TEST_F(EntryCheckTest, TheSubjectNamesTheFileInReadErrorAndSizeMessagesOnly) {
    const std::string path = folder.PathOf("a.bin");
    CheckListedFile("a.bin", 0x1A2B, 100, path, CheckOrder::SizeFirst, path);
    folder.Write("a.bin", ContentWithCrc(120, 0x00FF));
    CheckListedFile("a.bin", 0x1A2B, 100, path, CheckOrder::SizeFirst, path);
    folder.Write("a.bin", ContentWithCrc(100, 0x00FF));
    CheckListedFile("a.bin", 0x1A2B, 100, path, CheckOrder::SizeFirst, path);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              path + ":" + kReadError,
                              path + ":" + kSizeMismatch + "(List=100,File=120)",
                              "a.bin:" + kCrcMismatch + "(List=1A2B,File=00FF)",
                          }));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"a.bin", "a.bin", "a.bin"}));
}

TEST_F(EntryCheckTest, SizesBeyond32BitsAreComparedWhole) {
    // 6,442,450,945 is 0x1'8000'0001: cut to 32 bits it would equal the file's length.
    const std::string path = folder.PathOf("big.iso");
    MakeLongFile(path, 2'147'483'649);
    CheckListedFile("big.iso", 0x1A2B, 6'442'450'945, path, CheckOrder::SizeFirst, "big.iso");
    EXPECT_EQ(Rows(), (std::vector<Row>{{"big.iso", 0xFFFF, 2'147'483'649}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"big.iso:" + kSizeMismatch +
                                                   "(List=6442450945,File=2147483649)"});
}

TEST_F(EntryCheckTest, APathIsNamedTooLongOnlyWhenTheSystemRefusesIt) {
    // "パスが長すぎて開けません"
    const std::string tooLong =
        ":\x83\x70\x83\x58\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xC4\x8A\x4A\x82\xAF\x82\xDC\x82\xB9"
        "\x82\xF1";
    // Past the classic limit but within what the wide functions take: a
    // missing file there is missing, like any other.
    const std::string name(250, 'n');
    CheckListedFile(name, 0xFFFF, 0, folder.PathOf(name), CheckOrder::SizeFirst, name);
    // Past what any path may be.
    const std::string endless = folder.PathOf(std::string(40000, 'n'));
    CheckListedFile("endless", 0xFFFF, 0, endless, CheckOrder::SizeFirst, "endless");
    EXPECT_EQ(Messages(), (std::vector<std::string>{name + ":" + kReadError, "endless" + tooLong}));
}

TEST_F(EntryCheckTest, APathWithANulByteNamesNoFile) {
    folder.Write("a.bin", ContentWithCrc(100, 0x1A2B));
    const std::string path = folder.PathOf("a.bin") + std::string("\0.txt", 5);
    CheckListedFile("a.bin", 0x1A2B, 100, path, CheckOrder::CrcFirst, "a.bin");
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0xFFFF, 0}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"a.bin:" + kReadError});
}

TEST_F(EntryCheckTest, AFaultyEntryIsRecordedAsFailedWithoutOpeningTheFile) {
    folder.Write("a.bin", ContentWithCrc(100, 0x1A2B));
    const std::string path = folder.PathOf("a.bin");
    CheckListEntry({"a.bin", 0, 0, EntryFault::SizeNotNumeric}, path, CheckOrder::SizeFirst, path);
    CheckListEntry({"x y", 0, 0, EntryFault::NoName}, path, CheckOrder::CrcFirst, "messageName");
    CheckListEntry({"a.bin", 0x1A2B, 100, EntryFault::None}, path, CheckOrder::CrcFirst, "a.bin");
    EXPECT_EQ(Rows(),
              (std::vector<Row>{{"a.bin", 0xFFFF, 0}, {"x y", 0xFFFF, 0}, {"a.bin", 0x1A2B, 100}}));
    // "サイズの欄が数値ではありません", "名前の欄がありません"
    EXPECT_EQ(
        Messages(),
        (std::vector<std::string>{
            path + ":\x83\x54\x83\x43\x83\x59\x82\xCC\x97\x93\x82\xAA\x90\x94\x92\x6C\x82\xC5"
                   "\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1",
            "x y:\x96\xBC\x91\x4F\x82\xCC\x97\x93\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1",
        }));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"a.bin", "x y"}));
}

TEST_F(EntryCheckTest, EachCheckPassesAnInputCheckpointWithItsPath) {
    struct Recorder : JobObserver {
        std::vector<std::string> inputs;
        int chunks = 0;
        void OnInputStarted(const std::string& path) override { inputs.push_back(path); }
        void OnBytesRead(std::int64_t) override { ++chunks; }
    } recorder;
    SetJobObserver(&recorder);
    const std::string path = folder.Write("a.bin", ContentWithCrc(120, 0x1A2B));
    CheckListedFile("a.bin", 0x1A2B, 100, path, CheckOrder::SizeFirst, "a.bin");
    EXPECT_EQ(recorder.chunks, 0);  // a differing length fails before any byte is read
    CheckListedFile("a.bin", 0x1A2B, 100, path, CheckOrder::CrcFirst, "a.bin");
    EXPECT_EQ(recorder.chunks, 1);
    EXPECT_EQ(recorder.inputs, (std::vector<std::string>{path, path}));
}

}  // namespace
