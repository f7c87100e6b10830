#include "engine/stream_crc_read_ahead.h"

#include <new>
#include <system_error>
#include <thread>

std::int64_t ReadChunk(const ChunkReader& read, unsigned char* buffer, std::size_t capacity) {
    try {
        return read(buffer, capacity);
    } catch (...) {
        return -1;
    }
}

ChunkReadRequest::~ChunkReadRequest() {
    if (m_thread != nullptr) {
        Finish();
    }
}

std::int64_t ChunkReadRequest::Finish() {
    if (m_thread != nullptr) {
        m_thread->WaitFor(*this);
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
        request.m_done = false;
    }
    m_queued.notify_one();
}

std::int64_t ReadAheadThread::WaitFor(ChunkReadRequest& request) {
    std::unique_lock lock(m_mutex);
    m_finished.wait(lock, [&] { return request.m_done; });
    return request.m_count;
}

void ReadAheadThread::Serve() {
    for (;;) {
        ChunkReadRequest* request;
        {
            std::unique_lock lock(m_mutex);
            m_queued.wait(lock, [&] { return !m_queue.empty(); });
            request = m_queue.front();
            m_queue.pop_front();
        }
        const std::int64_t count =
            ReadChunk(request->m_read, request->m_buffer, request->m_capacity);
        {
            std::lock_guard lock(m_mutex);
            request->m_count = count;
            request->m_done = true;
        }
        m_finished.notify_all();
    }
}
