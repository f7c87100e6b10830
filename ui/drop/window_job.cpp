#include "ui/drop/window_job.h"

#include <atomic>
#include <utility>

#include "engine/job_control.h"

namespace {

constexpr DWORD kStopRepeatInterval = 10;  // milliseconds
// How long a window that is closed waits for its job to stop: short enough
// that the process, taken down with its window, ends within a second.
constexpr ULONGLONG kAbandonWait = 750;  // milliseconds

}  // namespace

CWindowJob::~CWindowJob() {
    Abandon();
}

bool CWindowJob::Start(const Starter& start, std::unique_ptr<CInputList> inputs,
                       CJobReport& report) {
    if (start) {
        m_worker = start(std::move(inputs), report);
    }
    return m_worker != nullptr;
}

bool CWindowJob::IsWorking() const {
    return m_worker != nullptr && g_jobRunning.load(std::memory_order_acquire) != 0;
}

// A worker that has not yet begun the job has not set the flag either; only
// one whose task has returned has ended it. Acquire: an end seen here makes
// every list write of the job visible.
bool CWindowJob::HasEnded() const {
    return m_worker != nullptr && g_jobRunning.load(std::memory_order_acquire) == 0 &&
           m_worker->HasFinished();
}

std::chrono::milliseconds CWindowJob::Took() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        m_worker ? m_worker->RunTime() : std::chrono::steady_clock::duration::zero());
}

void CWindowJob::Collect() {
    if (m_worker) {
        m_worker->Join();
        m_worker.reset();
    }
}

void CWindowJob::Hold() {
    HoldJob();
}

void CWindowJob::Release(bool stop) {
    if (stop) {
        g_stopRequested.store(1);
    }
    ReleaseJob();
}

void CWindowJob::StopForClose() {
    if (!m_worker || m_deadline != 0) {
        return;
    }
    m_deadline = GetTickCount64() + kAbandonWait;
    Release(true);
}

// The job clears the stop request when it begins, so a worker that had not
// reached it yet is told again until it has returned.
void CWindowJob::Abandon() {
    if (!m_worker) {
        return;
    }
    const ULONGLONG deadline = m_deadline != 0 ? m_deadline : GetTickCount64() + kAbandonWait;
    while (!m_worker->HasFinished()) {
        if (GetTickCount64() > deadline) {
            TerminateProcess(GetCurrentProcess(), 0);
        }
        Release(true);
        Sleep(kStopRepeatInterval);
    }
    Collect();
    m_deadline = 0;
}
