#include "framework/file_open.h"

#include <io.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace {

std::string CurrentFolder() {
    char buffer[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    std::string folder(buffer, length);
    return folder.back() == '\\' ? folder : folder + "\\";
}

TEST(ExactFilePathTest, OrdinaryNamesKeepTheirPath) {
    for (const char* path : {"C:\\data\\a.bin", "a.bin", "C:\\data\\nul\\a.bin", "..\\x",
                             "C:\\data\\.", "\\\\?\\C:\\data\\x.", "\\\\.\\NUL", "C:\\\x95\\"}) {
        EXPECT_EQ(ExactFilePath(path), path);
    }
}

TEST(ExactFilePathTest, NamesOrdinaryPathsDoNotReachTakeTheVerbatimForm) {
    EXPECT_EQ(ExactFilePath("C:\\data\\nul"), "\\\\?\\C:\\data\\nul");
    EXPECT_EQ(ExactFilePath("C:/data/./sub/../x."), "\\\\?\\C:\\data\\x.");
    EXPECT_EQ(ExactFilePath("\\\\server\\share\\COM1.crc"), "\\\\?\\UNC\\server\\share\\COM1.crc");
    EXPECT_EQ(ExactFilePath("y "), "\\\\?\\" + CurrentFolder() + "y ");
    // 表 ends in 0x5C: the folder keeps it whole.
    EXPECT_EQ(ExactFilePath("C:\\\x95\x5C\\con.txt"), "\\\\?\\C:\\\x95\x5C\\con.txt");
}

TEST(OpenFileForReadingTest, OpensFilesAndRefusesDevices) {
    TestFolder folder;
    const std::string path = folder.Write("a.bin", "abc");
    const int fd = OpenFileForReading(path);
    ASSERT_GE(fd, 0);
    char bytes[4] = {};
    EXPECT_EQ(_read(fd, bytes, sizeof bytes), 3);
    _close(fd);
    for (const char* device : {"NUL", "\\\\.\\NUL", "nul.txt", "CON", "CONIN$"}) {
        EXPECT_EQ(OpenFileForReading(device), -1) << device;
    }
    EXPECT_EQ(OpenFileForReading(path + std::string("\0.txt", 5)), -1);
    EXPECT_EQ(OpenFileForReading(""), -1);
}

}  // namespace
