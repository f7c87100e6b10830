#pragma once

#include <string_view>

#include "framework/file_name.h"

// Replaces path's content with bytes, or leaves an existing file untouched:
// the bytes go to a new file beside it, whose path is no longer than path,
// are flushed to the disk, and only then does that file take path's place,
// with the replaced file's attributes. A link or junction at path is
// replaced itself; the file it leads to stays as it was. A read-only file
// or a folder is not replaced, nor is a file beside which no new file can
// be made. False if any step failed; nothing is left behind then. A new
// file beside which no other can be made is written in place.
// A path too long for the programs that open the file next is refused
// (see FitsNewFileLimit): files are read at any length, not made so.
bool WriteFileAtomically(const CFileName& path, std::string_view bytes);
