#pragma once

#include <cstddef>

#include "engine/input_entry.h"

// Appends the files lying directly in folder (no subfolders, one level) to
// inputs as files found in a folder, by their real names, in the order the
// search returns them. Returns how many were added.
std::size_t AddFolderFiles(const CFileName& folder, CInputList& inputs);
