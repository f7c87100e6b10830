#pragma once

#include <windows.h>

#include <chrono>

#include "engine/job_report.h"

// How long a job took, from its start to its end.
using JobDuration = std::chrono::milliseconds;

// Shows the report of the job that has just ended, until the user closes it:
// runs a result window over report modally. The window takes the report's
// messages and rows; the failed names stay for URL lists.
void ShowJobResult(HWND parent, CJobReport& report, JobDuration took);
