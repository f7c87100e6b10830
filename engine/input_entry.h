#pragma once

#include <utility>
#include <vector>

#include "framework/file_name.h"

// One input of a job. A path the user named is examined by its extension
// (a ".txt" or ".crc" list is verified); a file found in a folder the user
// named is always checksummed, never read as a list. The flag is kept apart
// from the path, so that no path, whatever its first character, can pass
// for a file found in a folder. The file is reached by its real name, and
// the report shows its text.
struct InputEntry {
    // A path alone is one the user named.
    InputEntry(CFileName path, bool inFolder = false) : path(std::move(path)), inFolder(inFolder) {}
    CFileName path;
    bool inFolder;
    bool operator==(const InputEntry&) const = default;
};
using CInputList = std::vector<InputEntry>;
