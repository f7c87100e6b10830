// A sparse file larger than 4 GiB: its size past 32 bits and its CRC past
// the first 4 GiB of bytes must come out right, in the report's columns and
// when the saved report verifies it again.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "engine/crc16.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"
#include "tests/support/folder_listing.h"
#include "ui/result/report_layout.h"

namespace {

constexpr std::int64_t kFourGiB = std::int64_t{1} << 32;
const std::string kTail = "the last bytes, past 4 GiB";

// Makes path a sparse file of size bytes: zeros, then kTail at its end.
bool MakeSparseFile(const std::string& path, std::int64_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = size - static_cast<std::int64_t>(kTail.size());
    DWORD written = 0;
    const bool ok =
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
        WriteFile(file, kTail.data(), static_cast<DWORD>(kTail.size()), &written, nullptr) &&
        written == kTail.size() && SetEndOfFile(file);
    CloseHandle(file);
    return ok;
}

using LargeFileTest = ListCheckTest;

TEST_F(LargeFileTest, TheZeroRunCrcAgreesWithTheProgramsLoop) {
    const std::string zeros(1 << 20, '\0');
    std::uint16_t crc = kCrcInitial;
    for (std::uint64_t count : {0u, 1u, 7u, 1000u, 1u << 20}) {
        EXPECT_EQ(CrcOfZeros(kCrcInitial, count), CrcOf(zeros.substr(0, count))) << count;
    }
    for (int i = 0; i < 3; ++i) {
        crc = UpdateCrcBytewise(crc, zeros.data(), zeros.size());
    }
    EXPECT_EQ(CrcOfZeros(kCrcInitial, 3u << 20), crc);
}

TEST_F(LargeFileTest, ASparseFilePastFourGibibytesIsMeasuredAndVerified) {
    const std::int64_t size = kFourGiB + 8193;
    const std::string big = folder.PathOf("big.bin");
    if (!MakeSparseFile(big, size)) {
        GTEST_SKIP() << "the file system takes no file of this size";
    }
    const std::string small = folder.Write("small.bin", "123456789");
    const std::uint16_t crc =
        UpdateCrcBytewise(CrcOfZeros(kCrcInitial, static_cast<std::uint64_t>(size) - kTail.size()),
                          kTail.data(), kTail.size());

    // The report: the size with its thousands commas, the columns aligned
    // on the widest size, the total past 32 bits.
    CStringList messages;
    CStringList names;
    CCrcList crcs;
    CSizeList sizes;
    for (const std::string& name : FileNamesIn(folder.Path(), "*.bin")) {
        const bool isBig = name == "big.bin";
        names.AddTail(name);
        crcs.AddTail(isBig ? crc : 0x6F91);
        sizes.AddTail(isBig ? size : 9);
    }
    std::string expected;
    BuildReportLines(messages, names, crcs, sizes,
                     [&expected](const std::string& line) { expected += line + "\r\n"; });
    ASSERT_NE(expected.find("big.bin    " + FormatCrcHex(crc) + "  4,294,975,489\r\n"),
              std::string::npos);
    ASSERT_NE(expected.find("small.bin  6F91              9\r\n"), std::string::npos);
    ASSERT_NE(expected.find("Total  2 Files  4,294,975,498 Bytes"), std::string::npos);

    TestFolder scratch;
    const ConsoleRun run = RunVarnelc(Quoted(folder.Path()), scratch, 600000);
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, expected);

    // Saved beside it, the report verifies it again, size first.
    const ConsoleRun again = RunVarnelc(Quoted(folder.Write("sums.txt", run.out)), scratch, 600000);
    EXPECT_EQ(again.status, 0u) << again.out;
    DeleteFileA(small.c_str());
    DeleteFileA(big.c_str());
}

}  // namespace
