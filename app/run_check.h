#pragma once

#include <chrono>
#include <memory>

#include "engine/input_entry.h"
#include "engine/job_report.h"

// Checks the inputs into report, the same way in every way the program is
// used: files are checksummed, ".txt" and ".crc" lists verified, and a
// report that holds no message line at all gets the no-errors line.
// Returns how long the check took.
std::chrono::milliseconds RunCheck(std::unique_ptr<CInputList> inputs, CJobReport& report);
