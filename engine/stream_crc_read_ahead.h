#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

#include "engine/stream_crc.h"

class ReadAheadThread;

// One read of a chunk, handed to the read-ahead thread. Until it has finished
// the reader and the buffer must stay valid; the destructor waits for that.
class ChunkReadRequest {
public:
    ChunkReadRequest(const ChunkReader& read, unsigned char* buffer, std::size_t capacity)
        : m_read(read), m_buffer(buffer), m_capacity(capacity) {}
    ~ChunkReadRequest();
    ChunkReadRequest(const ChunkReadRequest&) = delete;
    ChunkReadRequest& operator=(const ChunkReadRequest&) = delete;

    // Waits until the read-ahead thread has done the read; its count.
    std::int64_t Finish();

private:
    friend class ReadAheadThread;
    const ChunkReader& m_read;
    unsigned char* m_buffer;
    std::size_t m_capacity;
    ReadAheadThread* m_thread = nullptr;  // set while queued or being read
    std::int64_t m_count = 0;
    std::atomic<bool> m_done{false};
};

// A thread that reads chunks while their callers hash the previous ones. It
// is started once, on first need, and serves every caller in turn: starting a
// thread per file costs milliseconds under Wine.
class ReadAheadThread {
public:
    // The thread, or nullptr when none can be started (then read in turn).
    static ReadAheadThread* Get();

    // Queues the read of request; the caller goes on and later calls Finish.
    void Start(ChunkReadRequest& request);

private:
    friend class ChunkReadRequest;
    ReadAheadThread() = default;
    void Serve();
    ChunkReadRequest* NextRequest();
    void Complete(ChunkReadRequest& request, std::int64_t count);
    template <class Ready>
    void WaitUntil(Ready ready);
    void WakeSleepers();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_sleepers = 0;  // threads blocked on m_changed
    std::deque<ChunkReadRequest*> m_queue;
    std::atomic<std::size_t> m_queued{0};
};

// Calls read, turning an exception into a failed read.
std::int64_t ReadChunk(const ChunkReader& read, unsigned char* buffer, std::size_t capacity);
