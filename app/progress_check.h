#pragma once

#include <memory>

#include "engine/input_entry.h"
#include "engine/job_report.h"
#include "ui/result/job_result.h"

// Runs the check of RunCheck on a worker thread while this thread waits;
// a check still running after half a second shows the progress window
// until it ends, and may be stopped there. A quick check shows nothing.
// Returns how long the check took; what the check threw is thrown here.
JobDuration CheckShowingProgress(std::unique_ptr<CInputList> inputs, CJobReport& report);
