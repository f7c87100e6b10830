#pragma once

#include <memory>

#include "engine/job_state.h"

// Runs one job over an input list, which it owns and frees: sets the flags,
// checks each entry in order, and clears g_jobRunning (a release store) when
// done. Returns 0, the worker thread's exit code in the drop window.
unsigned RunJob(std::unique_ptr<CInputList> inputs);

// One entry of the input list: a file to checksum, or a ".txt"/".crc" list
// to verify. All results go into the job state.
void CheckInput(const InputEntry& entry);
