// Files another program holds open. One that holds a file without sharing
// it (share mode 0) makes every open of ours fail, under Wine too; byte-
// range locks, which Wine does not enforce on reads, are tested beside the
// CRC engine. A held file must give a clear message, never a checksum.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/crc16.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"

namespace {

const std::string kCannotOpen =
    ":\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
const std::string kReadError = ":\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";

const std::string kReport =
    "Name      CRC   Bytes\r\n"
    "--------  ----  -----\r\n"
    "held.bin  6F91      9\r\n"
    "--------------------\r\n"
    "Total  1 Files  9 Bytes\r\n";

// Another program's handle on a file, closed when the holder goes away.
class Holder {
public:
    Holder(const std::string& path, DWORD access, DWORD share)
        : m_handle(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Holder() { Release(); }
    bool Holds() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holds()) {
            CloseHandle(m_handle);
            m_handle = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE m_handle;
};

using LockedFileTest = ListCheckTest;

TEST_F(LockedFileTest, AFileHeldWithoutSharingIsNamedNeverChecksummed) {
    const std::string held = folder.Write("held.bin", "123456789");
    const std::string free = folder.Write("free.bin", "abc");
    const std::string delimited = folder.Write("sums.crc", "held.bin, 6F91, 9\r\n");
    const std::string savedReport = folder.Write("sums.txt", kReport);
    const std::string column = folder.Write("column.crc", "FileName\r\n-\r\nheld.bin  6F91  9\r\n");
    Holder holder(held, GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(holder.Holds());

    RunInputs({held, delimited, savedReport, column, TextInput(held, true), free}, report);
    EXPECT_EQ(Messages(), (std::vector<std::string>{held + kCannotOpen, "held.bin" + kReadError,
                                                    "held.bin" + kReadError, held + kReadError,
                                                    held + kCannotOpen, "@"}));
    EXPECT_EQ(Rows(), (std::vector<Row>{{"held.bin", 0xFFFF, 0},
                                        {"held.bin", 0xFFFF, 0},
                                        {"held.bin", 0xFFFF, 0},
                                        {"free.bin", 0x61DA, 3}}));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"held.bin", "held.bin", "held.bin"}));

    // The same from another process: the console checker says so and
    // ends with status 1.
    TestFolder scratch;
    const ConsoleRun run = RunVarnelc(Quoted(held) + " " + Quoted(delimited), scratch);
    EXPECT_EQ(run.status, 1u);
    EXPECT_EQ(run.out.substr(0, run.out.find("Name")),
              held + kCannotOpen + "\r\nheld.bin" + kReadError + "\r\n");

    // Released, everything verifies.
    holder.Release();
    RunInputs({held, delimited, savedReport, column}, report);
    EXPECT_EQ(Messages(), std::vector<std::string>{"@"});
    EXPECT_TRUE(FailedNames().empty());
}

TEST_F(LockedFileTest, AListHeldWithoutSharingIsNamedAndTheJobGoesOn) {
    folder.Write("held.bin", "123456789");
    const std::string list = folder.Write("sums.crc", "held.bin, 6F91, 9\r\n");
    const std::string text = folder.Write("sums.txt", kReport);
    const std::string next = folder.Write("next.bin", "abc");
    Holder crcHolder(list, GENERIC_READ, 0);
    Holder textHolder(text, GENERIC_READ, 0);
    ASSERT_TRUE(crcHolder.Holds() && textHolder.Holds());
    RunInputs({list, text, next}, report);
    EXPECT_EQ(Messages(), (std::vector<std::string>{list + kCannotOpen, text + kCannotOpen, "@"}));
    EXPECT_EQ(Rows(), (std::vector<Row>{{"next.bin", 0x61DA, 3}}));
}

// A program writing a file while sharing it for reading (a log, a
// download) does not keep the checker out: it reads what is there.
TEST_F(LockedFileTest, AFileOpenForWritingButSharedForReadingIsRead) {
    const std::string path = folder.Write("growing.log", "123456789");
    Holder writer(path, GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_TRUE(writer.Holds());
    folder.Write("sums.crc", "growing.log, 6F91, 9\r\n");
    RunInputs({path, folder.PathOf("sums.crc")}, report);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"growing.log", 0x6F91, 9}, {"growing.log", 0x6F91, 9}}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"@"});
}

}  // namespace
