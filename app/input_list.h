#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/folder_expansion.h"

// The input list of a command-line check, one argument after another, as
// the system holds them: a folder gives the files lying directly in it (or
// every file below it, for a whole tree),
// anything else one entry in its long form. An argument whose long form
// cannot be determined (it does not exist, or is a drive's root) is taken
// as typed, so that the report names it. An argument with '*' or '?' in its
// last component stands for every file and folder it matches, in name
// order; one without a match is taken as typed. The folders' messages go
// into report.
std::unique_ptr<CInputList> BuildInputList(const std::vector<std::wstring>& arguments,
                                           FolderDepth depth, CJobReport& report);
