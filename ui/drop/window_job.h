#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>

#include "engine/input_entry.h"
#include "engine/job_report.h"
#include "engine/job_state.h"
#include "framework/worker_thread.h"

// The job that belongs to the drop window, from its start until the window
// has shown its results: the job runner on a worker thread, and what the
// window may do to it. The job never calls the window; the window polls it.
class CWindowJob {
public:
    // Starts a job over the input list on a worker thread, writing into the
    // report, and returns the worker, or null when no thread could be
    // started (the list is then freed).
    using Starter = std::function<std::unique_ptr<CWorkerThread>(std::unique_ptr<CInputList> inputs,
                                                                 CJobReport& report)>;

    CWindowJob() = default;
    // A job still running is given up as by Abandon.
    ~CWindowJob();
    CWindowJob(const CWindowJob&) = delete;
    CWindowJob& operator=(const CWindowJob&) = delete;

    // Starts a job; false when no thread could be started.
    bool Start(const Starter& start, std::unique_ptr<CInputList> inputs, CJobReport& report);
    // A job belongs to the window: started, and not yet collected.
    bool IsActive() const { return m_worker != nullptr; }
    // The job is under way: it has begun and not yet ended, so it can be
    // asked to stop.
    bool IsWorking() const;
    // The job has ended: its task has returned, and its results are in the
    // job state.
    bool HasEnded() const;
    // From the job's start to its end, once it has ended.
    std::chrono::milliseconds Took() const;
    // Waits for the thread of a job that has ended, and lets the job go.
    void Collect();

    // Holds the job at its next checkpoint while the user is asked whether
    // to stop it, and lets it go on, stopping it when asked to.
    void Hold();
    void Release(bool stop);

    // The window is being closed: the job is told to stop at once, and the
    // wait for it counts from here.
    void StopForClose();
    // The window is going: the job is told to stop and waited for, since the
    // report it writes goes with the window. One that has not stopped
    // by the deadline is stuck in a read that does not return, and would
    // keep a process without a window alive: the process ends at once then.
    void Abandon();

private:
    std::unique_ptr<CWorkerThread> m_worker;
    ULONGLONG m_deadline = 0;  // of the wait for a closed window's job, or 0
};
