#include "ui/drop/window_job.h"

#include <atomic>
#include <utility>

#include "engine/job_control.h"
#include "engine/job_state.h"

bool CWindowJob::Start(const Check& check, std::unique_ptr<CInputList> inputs, CJobReport& report) {
    if (!check) {
        return false;
    }
    m_took = std::chrono::milliseconds{0};
    m_worker = CWorkerThread::Start([this, check, inputs = std::move(inputs), &report]() mutable {
        try {
            m_took = check(std::move(inputs), report);
        } catch (...) {
            // Nothing may leave the thread; its return still ends the job,
            // or the window would wait for it for ever.
        }
    });
    return m_worker != nullptr;
}

// A worker that has not yet begun the job has not set the flag either.
JobStatus CWindowJob::Status() const {
    if (HasFinished()) {
        return JobStatus::Ended;
    }
    return g_jobRunning.load(std::memory_order_acquire) != 0 ? JobStatus::Working
                                                             : JobStatus::NotBegun;
}

void CWindowJob::Hold() {
    HoldJob();
}

void CWindowJob::Release(bool stop) {
    if (stop) {
        RequestJobStop();
    }
    ReleaseJob();
}
