#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/file_name.h"

// Whole-file reading and writing, the file reached by its real name.

// The file's bytes, or nullopt if it cannot be opened or read to its end
// (or does not fit in memory).
std::optional<std::string> ReadWholeFile(const CFileName& path);

// Replaces path's content with bytes, or leaves an existing file untouched:
// the bytes go to a new file beside it, whose path is no longer than path,
// are flushed to the disk, and only then does that file take path's place,
// with the replaced file's attributes. A read-only file or a folder is not
// replaced. False if any step failed; nothing is left behind then. Where no
// file can be made beside it, path itself is written: a failure part-way
// then loses the earlier content.
bool WriteFileAtomically(const CFileName& path, std::string_view bytes);

// True when the file functions accept a path this long: below MAX_PATH
// characters, or below the system's limit when long paths are switched on
// for this process. (Wine takes one character more.)
bool FitsPathLimit(const CFileName& path);
