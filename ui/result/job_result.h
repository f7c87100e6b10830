#pragma once

#include <windows.h>

#include <chrono>

// How long a job took, from its start to its end.
using JobDuration = std::chrono::milliseconds;

// Shows the report of the job that has just ended, until the user closes it:
// runs a result window over the job state modally. The report empties the job
// state's message and row lists; the failed names stay for URL lists.
void ShowJobResult(HWND parent, JobDuration took);
