#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

#include "engine/stream_crc.h"

class ChunkWorker;

// A chunk for the worker thread to read and then hash. The reader and the
// buffer must stay valid until the task has ended; the destructor waits.
class ChunkTask {
public:
    ChunkTask(const ChunkReader& read, unsigned char* buffer, std::size_t capacity)
        : m_read(read), m_buffer(buffer), m_capacity(capacity) {}
    ~ChunkTask();
    ChunkTask(const ChunkTask&) = delete;
    ChunkTask& operator=(const ChunkTask&) = delete;

    // Waits until the chunk has been read: its count, as the reader gave it.
    // The reader is free for the next chunk from then on. A task the worker
    // has not begun yet (it may not have had a processor) is done here.
    std::int64_t WaitForRead();
    // Waits until a chunk that was read has been hashed: its CRC from a zero register.
    std::uint16_t WaitForCrc();

private:
    friend class ChunkWorker;
    enum Stage { Queued, Read, Done };
    void WaitFor(Stage stage);
    void Run();

    const ChunkReader& m_read;
    unsigned char* m_buffer;
    std::size_t m_capacity;
    ChunkWorker* m_worker = nullptr;  // set from Start until the task is done
    std::int64_t m_count = 0;
    std::uint16_t m_crc = 0;
    std::atomic<Stage> m_stage{Queued};
};

// A thread that reads and hashes chunks of a file while the caller does the
// same with others. It is started once, on first need, and serves every
// caller in turn: starting a thread per file costs milliseconds under Wine.
class ChunkWorker {
public:
    // The worker, or nullptr when no thread can be started.
    static ChunkWorker* Get();

    // Queues task; the caller goes on and later waits for it.
    void Start(ChunkTask& task);

private:
    friend class ChunkTask;
    ChunkWorker() = default;
    void Serve();
    ChunkTask* NextTask();
    bool Withdraw(ChunkTask& task);
    template <class Ready>
    void WaitUntil(Ready ready);
    void WakeSleepers();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_sleepers = 0;  // threads blocked on m_changed
    std::deque<ChunkTask*> m_queue;
    std::atomic<std::size_t> m_queued{0};
};

// Calls read, turning an exception into a failed read.
std::int64_t ReadChunk(const ChunkReader& read, unsigned char* buffer, std::size_t capacity);

// A count that holds data: above 0 and within the buffer.
bool IsChunk(std::int64_t count, std::size_t capacity);
