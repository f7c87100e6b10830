#pragma once

#include <string>

// The path that opens exactly the file path names: path itself, or, when
// its final component is a name ordinary paths do not reach as written (a
// device name, a name ending in a dot or a space; see dos_names.h), the
// verbatim "\\?\" form of it, built on the full path of its folder.
std::string ExactFilePath(const std::string& path);

// Opens the file path names for reading in binary mode, front to back,
// sharing read and write access with other programs, as _open does.
// Returns its descriptor,
// or -1 when it cannot be opened or is no file on a disk: a device or a
// pipe would yield no checksum of a file, and may never end.
int OpenFileForReading(const std::string& path);
