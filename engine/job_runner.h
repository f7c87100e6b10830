#pragma once

#include <memory>

#include "engine/input_entry.h"
#include "engine/job_report.h"
#include "engine/job_state.h"

// How the job verifies an input the user named as a checksum list, chosen by
// its extension. Each records its rows and messages in the report.
struct ListChecks {
    void (*textList)(const InputEntry& list, CJobReport& report);  // ".txt"
    void (*crcList)(const InputEntry& list, CJobReport& report);   // ".crc"
};

// Runs one job over an input list, which it owns and frees at its end: sets
// the flags, checks each entry in order into report, and clears
// g_jobRunning (a release store) when done.
void RunJob(std::unique_ptr<CInputList> inputs, const ListChecks& lists, CJobReport& report);

// One entry of the input list, whose Path() is path: a file to checksum, or
// a ".txt"/".crc" list to verify.
void CheckInput(const InputEntry& entry, const CFileName& path, const ListChecks& lists,
                CJobReport& report);

// A file that is only checksummed: one row and a placeholder, or one
// message. path is the input's Path().
void ChecksumFile(const InputEntry& input, const CFileName& path, CJobReport& report);
