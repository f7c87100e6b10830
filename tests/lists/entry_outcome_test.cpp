#include "lists/entry_outcome.h"

#include <gtest/gtest.h>

#include "engine/file_crc.h"
#include "tests/lists/list_check_fixture.h"

namespace {

// A listed file as the probe reports it: its length (none: cannot be
// opened, for openFailure), and its CRC or the failure that computing it
// meets.
struct FakeProbe : ListedFileProbe {
    std::optional<std::int64_t> length;
    OpenFailure openFailure = OpenFailure::CannotOpen;
    std::uint16_t crc = 0;
    std::optional<CrcFailure> failure;
    std::optional<std::int64_t> bytesRead;  // what the CRC covers, when not the length
    int crcCalls = 0;

    ProbedLength Length() override { return {length, length ? OpenFailure::None : openFailure}; }
    std::uint16_t Crc(std::int64_t& read) override {
        ++crcCalls;
        if (failure) {
            throw FileCrcError(*failure, "a.bin: failed");
        }
        read = bytesRead.value_or(length.value_or(0));
        return crc;
    }
};

EntryOutcome Compare(FakeProbe& probe, CheckOrder order) {
    return CompareListedFile(probe, "a.bin", 0x1A2B, 100, order, "a.bin").value();
}

TEST(EntryOutcomeTest, AFileThatFailsAfterItsLengthWasTakenIsRecordedAsUnreadable) {
    for (CheckOrder order : {CheckOrder::SizeFirst, CheckOrder::CrcFirst}) {
        // Vanished between its length and its CRC, or failing part-way.
        for (CrcFailure failure : {CrcFailure::CannotOpen, CrcFailure::ReadFailed}) {
            FakeProbe probe;
            probe.length = 100;
            probe.failure = failure;
            EXPECT_EQ(Compare(probe, order),
                      (EntryOutcome{0xFFFF, 0, false, "a.bin:読み込みエラー"}));
        }
        FakeProbe noMemory;
        noMemory.length = 100;
        noMemory.failure = CrcFailure::NoBuffer;
        EXPECT_EQ(Compare(noMemory, order),
                  (EntryOutcome{0xFFFF, 0, false, "a.bin:メモリが足りません"}));
    }
}

TEST(EntryOutcomeTest, AFileCutOrGrownWhileItIsReadIsRecordedAsUnreadable) {
    for (CheckOrder order : {CheckOrder::SizeFirst, CheckOrder::CrcFirst}) {
        for (std::int64_t read : {50, 150}) {
            // Even a CRC that matches: it is not the CRC of the file measured.
            FakeProbe probe;
            probe.length = 100;
            probe.bytesRead = read;
            probe.crc = 0x1A2B;
            EXPECT_EQ(Compare(probe, order),
                      (EntryOutcome{0xFFFF, 0, false, "a.bin:読み込みエラー"}));
        }
    }
}

TEST(EntryOutcomeTest, OnlyTheCrcFirstOrderReadsAFileOfAnotherLength) {
    FakeProbe probe;
    probe.length = 4'294'967'396;  // 100 in its low 32 bits
    probe.crc = 0x1A2B;
    EXPECT_EQ(Compare(probe, CheckOrder::SizeFirst),
              (EntryOutcome{0xFFFF, 4'294'967'396, false,
                            "a.bin:サイズ不一致(List=100,File=4294967396)"}));
    EXPECT_EQ(probe.crcCalls, 0);
    EXPECT_EQ(Compare(probe, CheckOrder::CrcFirst),
              (EntryOutcome{0x1A2B, 4'294'967'396, true, ""}));
    EXPECT_EQ(probe.crcCalls, 1);
    EXPECT_EQ(
        CompareListedFile(probe, "a.bin", 0x1A2B, 4'294'967'396, CheckOrder::SizeFirst, "a.bin"),
        (EntryOutcome{0x1A2B, 4'294'967'396, true, ""}));
}

TEST(EntryOutcomeTest, APathIsNamedTooLongOrNoFileOnlyWhenSoRefused) {
    FakeProbe missing;
    EXPECT_EQ(Compare(missing, CheckOrder::SizeFirst).message, "a.bin:読み込みエラー");
    FakeProbe refused;
    refused.openFailure = OpenFailure::PathTooLong;
    EXPECT_EQ(Compare(refused, CheckOrder::CrcFirst).message, "a.bin:パスが長すぎて開けません");
    FakeProbe place;
    place.openFailure = OpenFailure::NotAFile;
    EXPECT_EQ(Compare(place, CheckOrder::SizeFirst),
              (EntryOutcome{0xFFFF, 0, false,
                            "a.bin:ネットワーク上やデバイスのパスはリストからは開きません。"}));
}

TEST(EntryOutcomeTest, FaultyEntriesNameWhatIsWrongWithTheLine) {
    const std::pair<EntryFault, std::string> faults[] = {
        {EntryFault::NameTooLong, "s:名前の欄が長すぎます"},
        {EntryFault::NoCrc, "s:CRCの欄がありません"},
        {EntryFault::CrcTooLong, "s:CRCの欄が長すぎます"},
        {EntryFault::CrcNotHex, "s:CRCの欄が16進数ではありません"},
        {EntryFault::NoSize, "s:サイズの欄がありません"},
        {EntryFault::SizeTooLong, "s:サイズの欄が長すぎます"},
        {EntryFault::SizeNotNumeric, "s:サイズの欄が数値ではありません"},
    };
    for (const auto& [fault, message] : faults) {
        EXPECT_EQ(FaultyEntryOutcome({"n", 0, 0, fault}, "s"),
                  (EntryOutcome{0xFFFF, 0, false, message}));
    }
    // A line without a name is named by its text, whatever the messageName.
    EXPECT_EQ(FaultyEntryOutcome({", 1A2B, 5", 0, 0, EntryFault::NoName}, "s").message,
              ", 1A2B, 5:名前の欄がありません");
}

using RecordEntryTest = ListCheckTest;

TEST_F(RecordEntryTest, EveryEntryIsOneRowAndOnlyFailuresKeepTheirName) {
    RecordEntry("a.bin", {0x1A2B, 5, true, ""}, report);
    RecordEntry("b.bin", {0xFFFF, 0, false, "b.bin:読み込みエラー"}, report);
    RecordEntry("c.bin", {0x00FF, 7, false, "c.bin:CRC不一致(List=1A2B,File=00FF)"}, report);
    EXPECT_EQ(Rows(),
              (std::vector<Row>{{"a.bin", 0x1A2B, 5}, {"b.bin", 0xFFFF, 0}, {"c.bin", 0x00FF, 7}}));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"b.bin", "c.bin"}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"b.bin:読み込みエラー",
                                                    "c.bin:CRC不一致(List=1A2B,File=00FF)"}));
}

}  // namespace
