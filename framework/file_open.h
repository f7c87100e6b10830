#pragma once

#include <string>

// Opens the file path names for reading in binary mode, front to back,
// sharing read and write access with other programs, as _open does, by its
// exact name and whatever its length (see WidePath). Returns its descriptor,
// or -1 when it cannot be opened or is no file on a disk: a device or a pipe
// would yield no checksum of a file, and may never end.
int OpenFileForReading(const std::string& path);
