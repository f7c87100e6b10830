#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/stream_crc.h"
#include "engine/stream_crc_worker.h"

namespace {

using namespace std::chrono_literals;

std::string Content(std::size_t size) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        content[i] = static_cast<char>(i * 167 + (i >> 13));
    }
    return content;
}

// A file served chunk by chunk that records where and when it was read,
// optionally failing (or throwing) at a given read.
class RecordingFile {
public:
    enum class Fault { None, Fails, Throws };

    explicit RecordingFile(std::string content, int faultyRead = -1, Fault fault = Fault::None)
        : m_content(std::move(content)), m_faultyRead(faultyRead), m_fault(fault) {}

    std::int64_t Read(unsigned char* buffer, std::size_t capacity) {
        std::lock_guard lock(m_mutex);
        m_threads.push_back(std::this_thread::get_id());
        const int read = m_reads++;
        m_changed.notify_all();
        if (read == m_faultyRead && m_fault == Fault::Fails) {
            return -1;
        }
        if (read == m_faultyRead && m_fault == Fault::Throws) {
            throw std::runtime_error("device gone");
        }
        const std::size_t count = std::min(capacity, m_content.size() - m_offset);
        std::memcpy(buffer, m_content.data() + m_offset, count);
        m_offset += count;
        return static_cast<std::int64_t>(count);
    }

    int Reads() {
        std::lock_guard lock(m_mutex);
        return m_reads;
    }
    // Waits up to a few seconds for the reads to reach count.
    bool WaitForReads(int count) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 5s, [&] { return m_reads >= count; });
    }
    std::vector<std::thread::id> Threads() {
        std::lock_guard lock(m_mutex);
        return m_threads;
    }
    StreamCrcResult Compute() {
        return ComputeStreamCrc(
            [this](unsigned char* buffer, std::size_t capacity) { return Read(buffer, capacity); });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_content;
    std::size_t m_offset = 0;
    int m_reads = 0;
    int m_faultyRead;
    Fault m_fault;
    std::vector<std::thread::id> m_threads;
};

// Byte counts the checkpoints passed on, and an optional wait at each.
class CheckpointRecorder : public JobObserver {
public:
    explicit CheckpointRecorder(std::function<void(std::int64_t)> atEach = nullptr)
        : m_atEach(std::move(atEach)) {
        SetJobObserver(this);
    }
    ~CheckpointRecorder() override { SetJobObserver(nullptr); }
    void OnInputStarted(const std::string&) override {}
    void OnBytesRead(std::int64_t bytesOfFile) override {
        bytes.push_back(bytesOfFile);
        if (m_atEach) {
            m_atEach(bytesOfFile);
        }
    }
    std::vector<std::int64_t> bytes;

private:
    std::function<void(std::int64_t)> m_atEach;
};

class StreamCrcOverlapTest : public ::testing::Test {
protected:
    void SetUp() override { BuildCrcTable(); }
    static std::uint16_t Reference(const std::string& content) {
        return UpdateCrcBytewise(kCrcInitial, content.data(), content.size());
    }
};

constexpr std::int64_t kChunk = static_cast<std::int64_t>(kCrcChunkSize);

TEST_F(StreamCrcOverlapTest, ReadsTheNextChunkWhileTheCurrentOneIsHashed) {
    RecordingFile file(Content(4 * kCrcChunkSize));
    // At the checkpoint after chunk n the read of chunk n + 1 has begun: a
    // reader that waited for the hashing to end would never get there.
    std::vector<bool> overlapped;
    CheckpointRecorder recorder([&](std::int64_t bytes) {
        const int chunksDone = static_cast<int>(bytes / kChunk);
        overlapped.push_back(file.WaitForReads(chunksDone + 1));
    });
    const StreamCrcResult result = file.Compute();
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.crc, Reference(Content(4 * kCrcChunkSize)));
    EXPECT_EQ(overlapped, std::vector<bool>(4, true));
    const std::vector<std::thread::id> threads = file.Threads();
    ASSERT_EQ(threads.size(), 5u);
    EXPECT_EQ(threads[0], std::this_thread::get_id());
    EXPECT_NE(threads[1], std::this_thread::get_id());
}

TEST_F(StreamCrcOverlapTest, EveryChunkBoundaryGivesTheCrcOfTheWhole) {
    for (std::int64_t size : {std::int64_t{0}, std::int64_t{1}, kChunk - 1, kChunk, kChunk + 1,
                              2 * kChunk - 1, 2 * kChunk, 3 * kChunk + 5}) {
        const std::string content = Content(static_cast<std::size_t>(size));
        RecordingFile file(content);
        CheckpointRecorder recorder;
        const StreamCrcResult result = file.Compute();
        ASSERT_TRUE(result.ok) << size;
        EXPECT_EQ(result.crc, Reference(content)) << size;
        EXPECT_EQ(result.bytes, size);
        // One checkpoint per chunk, each with the bytes so far; then the empty read.
        std::vector<std::int64_t> expected;
        for (std::int64_t done = 0; done < size;) {
            done = std::min(done + kChunk, size);
            expected.push_back(done);
        }
        EXPECT_EQ(recorder.bytes, expected) << size;
        EXPECT_EQ(file.Reads(), static_cast<int>(expected.size()) + 1) << size;
    }
}

TEST_F(StreamCrcOverlapTest, AFailedReadAheadFailsTheFileAndReadsNoFurther) {
    for (int faultyRead : {1, 2, 4}) {
        for (auto fault : {RecordingFile::Fault::Fails, RecordingFile::Fault::Throws}) {
            RecordingFile file(Content(6 * kCrcChunkSize), faultyRead, fault);
            CheckpointRecorder recorder;
            const StreamCrcResult result = file.Compute();
            EXPECT_FALSE(result.ok) << faultyRead;
            EXPECT_EQ(result.failure, CrcFailure::ReadFailed) << faultyRead;
            EXPECT_EQ(file.Reads(), faultyRead + 1) << faultyRead;
            EXPECT_EQ(recorder.bytes.size(), static_cast<std::size_t>(faultyRead)) << faultyRead;
        }
    }
    // The read-ahead thread goes on serving later files.
    RecordingFile healthy(Content(3 * kCrcChunkSize));
    EXPECT_EQ(healthy.Compute().crc, Reference(Content(3 * kCrcChunkSize)));
}

TEST_F(StreamCrcOverlapTest, AFirstReadThatThrowsIsAReadFailure) {
    RecordingFile file(Content(10), 0, RecordingFile::Fault::Throws);
    const StreamCrcResult result = file.Compute();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, CrcFailure::ReadFailed);
}

// While the job is held, reading stops one chunk ahead: memory stays at two
// chunks however long the hold lasts.
TEST_F(StreamCrcOverlapTest, AHeldJobStopsReadingOneChunkAhead) {
    RecordingFile file(Content(5 * kCrcChunkSize));
    HoldJob();
    StreamCrcResult result;
    std::thread job([&] { result = file.Compute(); });
    EXPECT_TRUE(file.WaitForReads(2));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(file.Reads(), 2);
    ReleaseJob();
    job.join();
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.crc, Reference(Content(5 * kCrcChunkSize)));
}

TEST_F(StreamCrcOverlapTest, FilesOnSeveralThreadsShareTheReadAhead) {
    std::vector<std::string> contents;
    for (std::size_t i = 0; i < 3; ++i) {
        contents.push_back(Content((3 + i) * kCrcChunkSize + i * 1000));
    }
    std::vector<std::uint16_t> crcs(contents.size());
    std::vector<std::thread> jobs;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        jobs.emplace_back([&, i] {
            RecordingFile file(contents[i]);
            crcs[i] = file.Compute().crc;
        });
    }
    for (auto& job : jobs) {
        job.join();
    }
    for (std::size_t i = 0; i < contents.size(); ++i) {
        EXPECT_EQ(crcs[i], Reference(contents[i])) << i;
    }
}

// A thread reads every file into the same buffer: under Wine a read into
// fresh memory costs milliseconds, far more than a small file's own work.
TEST_F(StreamCrcOverlapTest, AThreadReadsEveryFileIntoTheSameBuffer) {
    std::vector<unsigned char*> buffers;
    for (int file = 0; file < 3; ++file) {
        const StreamCrcResult result =
            ComputeStreamCrc([&](unsigned char* buffer, std::size_t) -> std::int64_t {
                buffers.push_back(buffer);
                return 0;
            });
        EXPECT_TRUE(result.ok);
    }
    EXPECT_EQ(std::count(buffers.begin(), buffers.end(), buffers.front()), 3);
}

// A worker stuck in another file's read leaves this file's chunks queued:
// the caller takes them back and reads them itself rather than wait.
TEST_F(StreamCrcOverlapTest, AWorkerStuckElsewhereDoesNotHoldUpAFile) {
    ChunkWorker* worker = ChunkWorker::Get();
    ASSERT_NE(worker, nullptr);
    std::mutex gate;
    std::unique_lock closed(gate);
    std::atomic<bool> stuck{false};
    const ChunkReader stuckReader = [&](unsigned char* buffer, std::size_t) -> std::int64_t {
        stuck = true;
        std::lock_guard wait(gate);
        buffer[0] = 'x';
        return 1;
    };
    std::vector<unsigned char> stuckBuffer(16);
    {
        ChunkTask elsewhere(stuckReader, stuckBuffer.data(), stuckBuffer.size());
        worker->Start(elsewhere);
        while (!stuck) {
            std::this_thread::sleep_for(1ms);
        }
        RecordingFile file(Content(4 * kCrcChunkSize + 10));
        std::promise<StreamCrcResult> computed;
        std::future<StreamCrcResult> result = computed.get_future();
        std::thread job([&] { computed.set_value(file.Compute()); });
        const bool finished = result.wait_for(10s) == std::future_status::ready;
        closed.unlock();
        job.join();
        EXPECT_TRUE(finished) << "the file waited for the stuck worker";
        const StreamCrcResult crc = result.get();
        EXPECT_TRUE(crc.ok);
        EXPECT_EQ(crc.crc, Reference(Content(4 * kCrcChunkSize + 10)));
        const std::vector<std::thread::id> readers = file.Threads();
        EXPECT_EQ(std::count(readers.begin(), readers.end(), readers.front()),
                  static_cast<std::ptrdiff_t>(readers.size()));
        EXPECT_EQ(elsewhere.WaitForCrc(), UpdateCrcBytewise(0, "x", 1));
    }
}

}  // namespace
