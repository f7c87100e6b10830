#include "engine/stream_crc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/crc16.h"

namespace {

// Serves a byte string the way a file read serves a file: at most the
// requested count, then 0; optionally failing once a given offset is reached.
class FakeFile {
public:
    explicit FakeFile(std::string content, std::int64_t failAt = -1)
        : m_content(std::move(content)), m_failAt(failAt) {}

    std::int64_t Read(unsigned char* buffer, std::size_t capacity) {
        ++m_reads;
        if (m_failAt >= 0 && m_offset >= static_cast<std::size_t>(m_failAt)) {
            return -1;
        }
        const std::size_t count = std::min(capacity, m_content.size() - m_offset);
        std::memcpy(buffer, m_content.data() + m_offset, count);
        m_offset += count;
        return static_cast<std::int64_t>(count);
    }
    int Reads() const { return m_reads; }

private:
    std::string m_content;
    std::int64_t m_failAt;
    std::size_t m_offset = 0;
    int m_reads = 0;
};

class StreamCrcTest : public ::testing::Test {
protected:
    void SetUp() override { BuildCrcTable(); }

    static StreamCrcResult Compute(FakeFile& file) {
        return ComputeStreamCrc([&file](unsigned char* buffer, std::size_t capacity) {
            return file.Read(buffer, capacity);
        });
    }
    static std::uint16_t Reference(const std::string& content) {
        return UpdateCrcBytewise(kCrcInitial, content.data(), content.size());
    }
};

TEST_F(StreamCrcTest, EmptyInputGivesTheInitialValue) {
    FakeFile file("");
    const StreamCrcResult result = Compute(file);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.crc, 0xFFFF);
    EXPECT_EQ(result.bytes, 0);
}

TEST_F(StreamCrcTest, ChunkBoundariesDoNotChangeTheCrc) {
    for (std::size_t size : {kCrcChunkSize - 1, kCrcChunkSize, kCrcChunkSize + 1}) {
        std::string content(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            content[i] = static_cast<char>(i * 131 + (i >> 9));
        }
        FakeFile file(content);
        const StreamCrcResult result = Compute(file);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.crc, Reference(content)) << size;
        EXPECT_EQ(result.bytes, static_cast<std::int64_t>(size));
        // One full chunk and the final empty read, plus one more chunk when it overflows.
        EXPECT_EQ(file.Reads(), size > kCrcChunkSize ? 3 : 2) << size;
    }
}

TEST_F(StreamCrcTest, AReadErrorPartWayIsAFailureNotAChecksum) {
    FakeFile file(std::string(3 * kCrcChunkSize, 'x'), 2 * kCrcChunkSize);
    const StreamCrcResult result = Compute(file);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, CrcFailure::ReadFailed);
}

TEST_F(StreamCrcTest, AReaderClaimingMoreThanItWasAskedForFails) {
    const StreamCrcResult result = ComputeStreamCrc(
        [](unsigned char*, std::size_t capacity) { return std::int64_t(capacity) + 1; });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, CrcFailure::ReadFailed);
}

}  // namespace
