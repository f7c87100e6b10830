#include "app/run_check.h"

#include <utility>

#include "engine/job_messages.h"
#include "engine/job_runner.h"
#include "lists/list_inputs.h"

std::chrono::milliseconds RunCheck(std::unique_ptr<CInputList> inputs, CJobReport& report) {
    const auto started = std::chrono::steady_clock::now();
    RunJob(std::move(inputs), kChecksumLists, report);
    const auto took = std::chrono::steady_clock::now() - started;
    AddNoErrorsMessageIfNone(report);
    return std::chrono::duration_cast<std::chrono::milliseconds>(took);
}
