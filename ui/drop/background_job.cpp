#include "ui/drop/background_job.h"

#include <atomic>
#include <utility>

#include "engine/job_runner.h"
#include "engine/job_state.h"
#include "lists/list_inputs.h"

std::unique_ptr<CWorkerThread> StartBackgroundJob(std::unique_ptr<CInputList> inputs,
                                                  CJobReport& report) {
    return CWorkerThread::Start([inputs = std::move(inputs), &report]() mutable {
        try {
            RunJob(std::move(inputs), kChecksumLists, report);
        } catch (...) {
            // Nothing may leave the thread; the window still has to see the
            // job end, or it would wait for it for ever.
            g_jobRunning.store(0, std::memory_order_release);
        }
    });
}
