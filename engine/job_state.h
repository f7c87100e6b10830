#pragma once

#include <atomic>

// The flags of the job that runs. The job's thread writes its report only
// while g_jobRunning is 1; its release store of 0 hands the report over to
// the window thread, which reads the flag with an acquire load.
extern std::atomic<int> g_jobRunning;     // 1 while RunJob runs
extern std::atomic<int> g_stopRequested;  // 1 once the user confirmed stopping

// Asked by every step of a job that can end early (an input, a list line, a
// chunk of a file): true once the user has confirmed stopping. The job then
// counts as stopped before its end, so that its report can say so.
bool StopTakesEffect();
// Whether the job that runs, or ran last, ended early at a stop.
bool JobStoppedEarly();
// The user confirmed stopping: the job ends at its next step, in whichever
// window the stop was asked for.
void RequestJobStop();
// Sets the flags for a job that begins: running, not stopped.
void BeginJobFlags();
// Clears the running flag of a job that has ended; every write of its report
// before this call is seen by whoever then reads the flag as 0.
void EndJobFlags();
