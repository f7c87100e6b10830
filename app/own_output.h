#pragma once

#include "engine/input_entry.h"
#include "engine/job_state.h"

// Leaves out of inputs the file that standard output writes to, when that
// is a file on disk: a report redirected into a folder it checks must not
// list itself, half written, or every later verification would fail.
void LeaveOutOwnOutput(CInputList& inputs);
