#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "engine/input_entry.h"
#include "engine/job_report.h"
#include "framework/worker_thread.h"
#include "ui/drop/drop_flow.h"

// The job that belongs to the drop window, from its start until the window
// has shown its results: the check on a worker thread, and what the window
// may do to it. The job never calls the window; the window polls it.
class CWindowJob {
public:
    // Checks the inputs into the report and says how long it took; run on
    // the worker.
    using Check = std::function<std::chrono::milliseconds(std::unique_ptr<CInputList> inputs,
                                                          CJobReport& report)>;

    // Starts the check on a worker thread; false when no thread could be
    // started (the list is then freed).
    bool Start(const Check& check, std::unique_ptr<CInputList> inputs, CJobReport& report);
    // Where the job stands; meaningful while it belongs to the window.
    JobStatus Status() const;
    bool HasFinished() const { return m_worker && m_worker->HasFinished(); }
    // How long the check took, once it has ended.
    std::chrono::milliseconds Took() const { return m_took; }
    // Waits for the thread of a job that has ended, and lets the job go.
    void Collect() { m_worker.reset(); }

    // Holds the job at its next checkpoint while the user is asked whether
    // to stop it; lets it go on, asking it to stop first when told to.
    void Hold();
    void Release(bool stop);

private:
    std::unique_ptr<CWorkerThread> m_worker;
    std::chrono::milliseconds m_took{0};  // written by the worker before it returns
};
