#pragma once

#include <windows.h>

// Shows the report of the job that has just ended, until the user closes it:
// runs a result window over the job state modally. The report empties the job
// state's message and row lists; the failed names stay for URL lists.
void ShowJobResult(HWND parent);
