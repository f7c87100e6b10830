#pragma once

#include <memory>

#include "engine/input_entry.h"
#include "engine/job_report.h"
#include "framework/worker_thread.h"

// Starts the job runner over inputs on a worker thread, writing into report:
// the drop window's job. Returns null when no thread could be started;
// inputs are then freed.
std::unique_ptr<CWorkerThread> StartBackgroundJob(std::unique_ptr<CInputList> inputs,
                                                  CJobReport& report);
