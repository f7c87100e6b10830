#pragma once

#include <cstddef>
#include <string>

#include "engine/job_state.h"

// Appends the files lying directly in folder (no subfolders, one level) to
// inputs as files found in a folder, by their full paths, in the order the
// search returns them. Returns how many were added. realFolder: the
// folder's real path when code page 932 cannot write it. A file whose name
// code page 932 cannot write is added with its real path too.
std::size_t AddFolderFiles(const std::string& folder, CInputList& inputs,
                           const std::wstring& realFolder = {});
