#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and writing with the ANSI functions, which take code
// page 932 paths as they are.

// The file's bytes, or nullopt if it cannot be opened or read to its end
// (or does not fit in memory).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces path's content with bytes, or leaves an existing file untouched:
// the bytes go to a new file beside it, are flushed to the disk, and only
// then does that file take path's place. A read-only file is not replaced.
// False if any step failed; nothing is left behind then.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// True when the file functions accept a path this long: below MAX_PATH, or
// below the system's limit when long paths are switched on for this process.
bool FitsPathLimit(std::string_view path);
