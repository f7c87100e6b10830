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
// with the replaced file's attributes. A link or junction at path is
// replaced itself; the file it leads to stays as it was. A read-only file
// or a folder is not replaced, nor is a file beside which no new file can
// be made. False if any step failed; nothing is left behind then. A new
// file beside which no other can be made is written in place.
bool WriteFileAtomically(const CFileName& path, std::string_view bytes);

// True when the file functions accept a path this long: below MAX_PATH
// characters, or below the system's limit when long paths are switched on
// for this process. (Wine takes one character more.)
bool FitsPathLimit(const CFileName& path);
