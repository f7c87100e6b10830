#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/job_state.h"

// The input list of a command-line check, one argument after another: a
// folder gives the files lying directly in it, anything else one entry in
// its long form. An argument whose long form cannot be determined (it does
// not exist, or is a drive's root) is taken as typed, so that the report
// names it.
std::unique_ptr<CInputList> BuildInputList(const std::vector<std::string>& arguments);
