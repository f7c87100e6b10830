#include "engine/stream_crc_read_ahead.h"

#include <chrono>
#include <new>
#include <system_error>
#include <thread>

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

ChunkReadRequest::~ChunkReadRequest() {
    Finish();
}

std::int64_t ChunkReadRequest::Finish() {
    if (m_thread != nullptr) {
        m_thread->WaitUntil([this] { return m_done.load(std::memory_order_acquire); });
        m_thread = nullptr;
    }
    return m_count;
}

ReadAheadThread* ReadAheadThread::Get() {
    // Never destroyed: the thread waits for work until the process ends, and
    // joining it from an exit handler could deadlock on Windows.
    static ReadAheadThread* const instance = []() -> ReadAheadThread* {
        auto* created = new (std::nothrow) ReadAheadThread;
        if (created == nullptr) {
            return nullptr;
        }
        try {
            std::thread(&ReadAheadThread::Serve, created).detach();
        } catch (const std::system_error&) {
            delete created;
            return nullptr;
        }
        return created;
    }();
    return instance;
}

void ReadAheadThread::Start(ChunkReadRequest& request) {
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(&request);
        request.m_thread = this;
        request.m_done.store(false, std::memory_order_relaxed);
        m_queued.fetch_add(1, std::memory_order_release);
    }
    WakeSleepers();
}

void ReadAheadThread::Serve() {
    for (;;) {
        ChunkReadRequest* request = NextRequest();
        Complete(*request, ReadChunk(request->m_read, request->m_buffer, request->m_capacity));
    }
}

ChunkReadRequest* ReadAheadThread::NextRequest() {
    WaitUntil([this] { return m_queued.load(std::memory_order_acquire) > 0; });
    std::lock_guard lock(m_mutex);
    ChunkReadRequest* request = m_queue.front();
    m_queue.pop_front();
    m_queued.fetch_sub(1, std::memory_order_relaxed);
    return request;
}

void ReadAheadThread::Complete(ChunkReadRequest& request, std::int64_t count) {
    request.m_count = count;
    // After this store the request may be gone: its owner returns at once.
    request.m_done.store(true, std::memory_order_release);
    WakeSleepers();
}

template <class Ready>
void ReadAheadThread::WaitUntil(Ready ready) {
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
void ReadAheadThread::WakeSleepers() {
    std::lock_guard lock(m_mutex);
    if (m_sleepers > 0) {
        m_changed.notify_all();
    }
}
