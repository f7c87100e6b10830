#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

// A thread of its own for one long task, such as a job of the drop window.
// The owner keeps it until it has seen the task's end; joining it (Join, or
// destruction) waits for the task to return, so nothing the task uses may go
// away while it still runs.
class CWorkerThread {
public:
    ~CWorkerThread() { Join(); }
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts task at once on a new thread with normal priority and the
    // default stack size. Returns null when no thread could be created; the
    // task, and whatever it owns, is then destroyed without having run.
    template <class Task>
    static std::unique_ptr<CWorkerThread> Start(Task&& task) {
        std::unique_ptr<CWorkerThread> worker(new CWorkerThread);
        try {
            worker->m_thread =
                std::thread([self = worker.get(), task = std::forward<Task>(task)]() mutable {
                    task();
                    self->m_ended = std::chrono::steady_clock::now();
                    self->m_finished.store(true, std::memory_order_release);
                });
        } catch (const std::system_error&) {
            return nullptr;
        }
        return worker;
    }

    // True once the task has returned; everything it did before is then
    // visible to the caller.
    bool HasFinished() const { return m_finished.load(std::memory_order_acquire); }

    // From the start to the task's return, once it has finished.
    std::chrono::steady_clock::duration RunTime() const {
        return HasFinished() ? m_ended - m_started : std::chrono::steady_clock::duration::zero();
    }

    // Waits until the task has returned; at once when it already has.
    void Join() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

private:
    CWorkerThread() = default;

    const std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_ended;  // published by m_finished
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};
