#include "engine/stream_crc_worker.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <system_error>
#include <thread>

#include "engine/crc16.h"

namespace {
// Under Wine a thread woken through the system takes a few hundred
// microseconds to run again, several times the read of a cached chunk. So a
// waiter first yields for a while (a chunk is read and hashed well within
// it), and blocks only when the wait is long: between files, or while the
// job is held.
constexpr auto kSpinTime = std::chrono::milliseconds(2);
}  // namespace

std::int64_t ReadChunk(const ChunkReader& read, unsigned char* buffer, std::size_t capacity) {
    try {
        return read(buffer, capacity);
    } catch (...) {
        return -1;
    }
}

bool IsChunk(std::int64_t count, std::size_t capacity) {
    return count > 0 && count <= static_cast<std::int64_t>(capacity);
}

ChunkTask::~ChunkTask() {
    WaitFor(Done);
}

std::int64_t ChunkTask::WaitForRead() {
    if (m_worker != nullptr && m_worker->Withdraw(*this)) {
        m_worker = nullptr;
        Run();
        m_stage.store(Done, std::memory_order_relaxed);
    }
    WaitFor(Read);
    return m_count;
}

std::uint16_t ChunkTask::WaitForCrc() {
    WaitFor(Done);
    return m_crc;
}

// Reads the chunk, then hashes it where the read left it in the cache.
void ChunkTask::Run() {
    m_count = ReadChunk(m_read, m_buffer, m_capacity);
    const bool hash = IsChunk(m_count, m_capacity);
    m_stage.store(Read, std::memory_order_release);
    if (m_worker != nullptr) {
        m_worker->WakeSleepers();
    }
    if (hash) {
        m_crc = UpdateCrc(0, m_buffer, static_cast<std::size_t>(m_count));
    }
}

void ChunkTask::WaitFor(Stage stage) {
    if (m_worker != nullptr) {
        m_worker->WaitUntil([&] { return m_stage.load(std::memory_order_acquire) >= stage; });
    }
}

ChunkWorker* ChunkWorker::Get() {
    // Never destroyed: the thread waits for work until the process ends, and
    // joining it from an exit handler could deadlock on Windows.
    static ChunkWorker* const instance = []() -> ChunkWorker* {
        auto* created = new (std::nothrow) ChunkWorker;
        if (created == nullptr) {
            return nullptr;
        }
        try {
            std::thread(&ChunkWorker::Serve, created).detach();
        } catch (const std::system_error&) {
            delete created;
            return nullptr;
        }
        return created;
    }();
    return instance;
}

void ChunkWorker::Start(ChunkTask& task) {
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(&task);
        task.m_worker = this;
        task.m_stage.store(ChunkTask::Queued, std::memory_order_relaxed);
        m_queued.fetch_add(1, std::memory_order_release);
    }
    WakeSleepers();
}

void ChunkWorker::Serve() {
    for (;;) {
        ChunkTask& task = *NextTask();
        task.Run();
        // From this store on the task may be gone: its owner returns at once.
        task.m_stage.store(ChunkTask::Done, std::memory_order_release);
        WakeSleepers();
    }
}

ChunkTask* ChunkWorker::NextTask() {
    for (;;) {
        WaitUntil([this] { return m_queued.load(std::memory_order_acquire) > 0; });
        std::lock_guard lock(m_mutex);
        // Its owner may have taken the task back meanwhile.
        if (!m_queue.empty()) {
            ChunkTask* task = m_queue.front();
            m_queue.pop_front();
            m_queued.fetch_sub(1, std::memory_order_relaxed);
            return task;
        }
    }
}

// Takes task back if the worker has not begun it.
bool ChunkWorker::Withdraw(ChunkTask& task) {
    std::lock_guard lock(m_mutex);
    const auto queued = std::find(m_queue.begin(), m_queue.end(), &task);
    if (queued == m_queue.end()) {
        return false;
    }
    m_queue.erase(queued);
    m_queued.fetch_sub(1, std::memory_order_relaxed);
    return true;
}

template <class Ready>
void ChunkWorker::WaitUntil(Ready ready) {
    const auto deadline = std::chrono::steady_clock::now() + kSpinTime;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::unique_lock lock(m_mutex);
            ++m_sleepers;
            m_changed.wait(lock, ready);
            --m_sleepers;
            return;
        }
        std::this_thread::yield();
    }
}

// A change made before this call is seen by every sleeper: each one checks
// its condition under the mutex before it sleeps.
void ChunkWorker::WakeSleepers() {
    std::lock_guard lock(m_mutex);
    if (m_sleepers > 0) {
        m_changed.notify_all();
    }
}
