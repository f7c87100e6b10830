#include "engine/file_crc.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/crc16.h"
#include "tests/support/named_files.h"
#include "tests/support/test_files.h"

namespace {

class FileCrcTest : public ::testing::Test {
protected:
    void SetUp() override { BuildCrcTable(); }
    TestFolder folder;
};

std::string Pattern(std::size_t size) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        content[i] = static_cast<char>((i * 7) ^ (i >> 11));
    }
    return content;
}

TEST_F(FileCrcTest, KnownFiles) {
    EXPECT_EQ(ComputeFileCrc(Named(folder.Write("check.bin", "123456789"))), 0x6F91);
    EXPECT_EQ(ComputeFileCrc(Named(folder.Write("abc.bin", "abc"))), 0x61DA);
    EXPECT_EQ(ComputeFileCrc(Named(folder.Write("empty.bin", ""))), 0xFFFF);
}

TEST_F(FileCrcTest, ReadsInBinaryMode) {
    const std::string content =
        "a\r\nb\x1A"
        "c\n";
    EXPECT_EQ(ComputeFileCrc(Named(folder.Write("text.txt", content))),
              UpdateCrcBytewise(kCrcInitial, content.data(), content.size()));
}

TEST_F(FileCrcTest, FilesAroundTheChunkSize) {
    for (std::size_t size : {std::size_t{1048576}, std::size_t{1048577}}) {
        const std::string content = Pattern(size);
        std::int64_t bytesRead = -1;
        EXPECT_EQ(ComputeFileCrc(Named(folder.Write("chunk.bin", content)), &bytesRead),
                  UpdateCrcBytewise(kCrcInitial, content.data(), content.size()))
            << size;
        EXPECT_EQ(bytesRead, static_cast<std::int64_t>(size));
    }
}

TEST_F(FileCrcTest, DoubleByteNamesWithABackslashTrailByte) {
    // 表 and ソ end in the byte 0x5C.
    const std::string path = folder.Write("表示ソフト.bin", "abc");
    EXPECT_EQ(ComputeFileCrc(Named(path)), 0x61DA);
}

TEST_F(FileCrcTest, AMissingFileThrowsTheCannotOpenMessage) {
    const std::string path = folder.PathOf("missing.bin");
    try {
        ComputeFileCrc(Named(path));
        FAIL() << "no exception";
    } catch (const FileCrcError& error) {
        EXPECT_EQ(error.Failure(), CrcFailure::CannotOpen);
        // "ファイルが開けません" in code page 932.
        EXPECT_EQ(std::string(error.what()),
                  path +
                      ":\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8A\x4A\x82\xAF\x82\xDC\x82\xB9"
                      "\x82\xF1");
    }
    // The table and other files are unaffected.
    EXPECT_EQ(ComputeFileCrc(Named(folder.Write("after.bin", "abc"))), 0x61DA);
}

TEST_F(FileCrcTest, AFolderCannotBeOpened) {
    const std::string path = folder.MakeFolder("sub");
    try {
        ComputeFileCrc(Named(path));
        FAIL() << "no exception";
    } catch (const FileCrcError& error) {
        EXPECT_EQ(error.Failure(), CrcFailure::CannotOpen);
    }
}

// Windows refuses reads of a region another handle has locked. Wine keeps
// byte-range locks as POSIX advisory locks and lets such reads through, so
// there the stream tests with a failing reader stand in for this one.
TEST_F(FileCrcTest, ALockedRegionIsAReadErrorNotAShorterFile) {
    if (RunningUnderWine()) {
        GTEST_SKIP() << "Wine does not enforce byte-range locks on reads";
    }
    const std::string path = folder.Write("locked.bin", Pattern(3 * 1048576));
    HANDLE holder =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(LockFile(holder, 2 * 1048576, 0, 4096, 0));
    try {
        ComputeFileCrc(Named(path));
        ADD_FAILURE() << "a CRC was returned for a file that could not be read to its end";
    } catch (const FileCrcError& error) {
        EXPECT_EQ(error.Failure(), CrcFailure::ReadFailed);
        // "読み込みエラー" in code page 932.
        EXPECT_EQ(std::string(error.what()),
                  path + ":\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B");
    }
    UnlockFile(holder, 2 * 1048576, 0, 4096, 0);
    CloseHandle(holder);
}

}  // namespace
