#pragma once

#include <cstddef>
#include <string>

#include "framework/containers.h"

// Appends the files lying directly in folder (no subfolders, one level) to
// inputs as folder entries ("@" and the full path), in the order the search
// returns them. Returns how many were added.
std::size_t AddFolderFiles(const std::string& folder, CStringArray& inputs);
