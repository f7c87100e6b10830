#pragma once

#include <memory>

#include "engine/input_entry.h"
#include "engine/job_state.h"

// How the job verifies an input the user named as a checksum list, chosen by
// its extension. Each records its rows and messages in the job state.
struct ListChecks {
    void (*textList)(const InputEntry& list);  // ".txt"
    void (*crcList)(const InputEntry& list);   // ".crc"
};

// Runs one job over an input list, which it owns and frees: sets the flags,
// checks each entry in order, and clears g_jobRunning (a release store) when
// done. Returns 0, the worker thread's exit code in the drop window.
unsigned RunJob(std::unique_ptr<CInputList> inputs, const ListChecks& lists);

// One entry of the input list: a file to checksum, or a ".txt"/".crc" list
// to verify. All results go into the job state.
void CheckInput(const InputEntry& entry, const ListChecks& lists);

// A file that is only checksummed: one row and a placeholder, or one message.
void ChecksumFile(const InputEntry& input);
