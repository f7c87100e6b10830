#include <windows.h>

#include <gtest/gtest.h>

#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "tests/support/named_files.h"
#include "tests/support/test_files.h"

namespace {

std::string Content(std::size_t size) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        content[i] = static_cast<char>((i * 29) ^ (i >> 9));
    }
    return content;
}

class FileCrcReadAheadTest : public ::testing::Test {
protected:
    void SetUp() override { BuildCrcTable(); }
    TestFolder folder;
};

TEST_F(FileCrcReadAheadTest, FilesOfSeveralChunksEqualTheByteLoop) {
    struct BytesRecorder : JobObserver {
        std::vector<std::int64_t> bytes;
        void OnInputStarted(const std::string&) override {}
        void OnBytesRead(std::int64_t count) override { bytes.push_back(count); }
    } recorder;
    for (std::size_t size : {2 * kCrcChunkSize, 5 * kCrcChunkSize + 3}) {
        const std::string content = Content(size);
        const std::string path = folder.Write("several.bin", content);
        recorder.bytes.clear();
        SetJobObserver(&recorder);
        std::int64_t bytesRead = -1;
        const std::uint16_t crc = ComputeFileCrc(Named(path), &bytesRead);
        SetJobObserver(nullptr);
        EXPECT_EQ(crc, UpdateCrcBytewise(kCrcInitial, content.data(), content.size())) << size;
        EXPECT_EQ(bytesRead, static_cast<std::int64_t>(size));
        ASSERT_EQ(recorder.bytes.size(), (size + kCrcChunkSize - 1) / kCrcChunkSize) << size;
        EXPECT_EQ(recorder.bytes.front(), static_cast<std::int64_t>(kCrcChunkSize));
        EXPECT_EQ(recorder.bytes.back(), static_cast<std::int64_t>(size));
    }
}

// Another program writing the file keeps it open for writing; opening it to
// read must not ask for more than read access, nor deny that program.
TEST_F(FileCrcReadAheadTest, AFileOpenForWritingElsewhereIsRead) {
    const std::string content = Content(kCrcChunkSize + 100);
    const std::string path = folder.Write("busy.bin", content);
    HANDLE writer =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ComputeFileCrc(Named(path)),
              UpdateCrcBytewise(kCrcInitial, content.data(), content.size()));
    CloseHandle(writer);
}

TEST_F(FileCrcReadAheadTest, AFileLockedAgainstReadersCannotBeOpened) {
    const std::string path = folder.Write("exclusive.bin", "abc");
    HANDLE owner = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(owner, INVALID_HANDLE_VALUE);
    try {
        ComputeFileCrc(Named(path));
        ADD_FAILURE() << "a file opened without sharing was read";
    } catch (const FileCrcError& error) {
        EXPECT_EQ(error.Failure(), CrcFailure::CannotOpen);
    }
    CloseHandle(owner);
}

}  // namespace
