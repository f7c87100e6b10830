#include "app/progress_check.h"

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

#include "app/run_check.h"
#include "framework/worker_thread.h"
#include "ui/progress/progress_dialog.h"

namespace {

// Shorter, and a window that flashes up and away distracts more than it
// tells; longer, and the user wonders whether anything happens.
constexpr auto kShowAfter = std::chrono::milliseconds(500);
constexpr auto kWaitStep = std::chrono::milliseconds(10);

bool FinishesWithin(const CWorkerThread& worker, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!worker.HasFinished() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kWaitStep);
    }
    return worker.HasFinished();
}

}  // namespace

JobDuration CheckShowingProgress(std::unique_ptr<CInputList> inputs, CJobReport& report) {
    JobDuration took{};
    std::exception_ptr failure;
    // The worker takes the inputs from here, so that without a thread they
    // are still here to be checked on this one.
    std::unique_ptr<CWorkerThread> worker = CWorkerThread::Start([&] {
        try {
            took = RunCheck(std::move(inputs), report);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    if (!worker) {
        return RunCheck(std::move(inputs), report);
    }
    if (!FinishesWithin(*worker, kShowAfter)) {
        CProgressDlg dialog;
        dialog.m_pWorker = worker.get();
        dialog.DoModal();
    }
    worker->Join();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return took;
}
