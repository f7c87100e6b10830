#pragma once

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "framework/containers.h"

// Everything a job produces. The job's thread only appends while
// g_jobRunning is 1; its release store of 0 hands the lists over to the
// window thread, which reads the flag with an acquire load.
extern CStringList g_messageList;  // message lines, in the order they arose
extern CStringList g_nameList;     // name of each report row
extern CCrcList g_crcList;         // CRC of each row; 0xFFFF where none was computed
extern CSizeList g_sizeList;       // size of each row; 0 where the file could not be opened
extern CStringList g_failedList;   // listed files whose check did not end in a match

extern std::atomic<int> g_jobRunning;     // 1 while RunJob runs
extern std::atomic<int> g_stopRequested;  // 1 once the user confirmed stopping

// Asked by every step of a job that can end early (an input, a list line, a
// chunk of a file): true once the user has confirmed stopping. The job then
// counts as stopped before its end, so that its report can say so.
bool StopTakesEffect();
// Whether the job that runs, or ran last, ended early at a stop.
bool JobStoppedEarly();
// Sets the flags for a job that begins: running, not stopped.
void BeginJobFlags();

// Empties the message, row and failed lists, for the next job.
void ClearJobLists();

// Appends one report row; the three row lists stay parallel.
void AppendRow(const std::string& name, std::uint16_t crc, std::int64_t size);
