#pragma once

#include <string>

// The file system is reached through the wide functions, with a file's real
// (wide) name, so that the limits of ordinary narrow paths do not apply.

// The full path as the system resolves it, without touching the disk: from
// the current folder when path is relative. Empty when it cannot be had.
std::wstring FullPath(const std::wstring& path);

// The wide path that reaches exactly the file or folder path names (a
// search pattern too): path converted as it stands, or, when it is too long
// for an ordinary path or one of its components is a name ordinary paths
// do not reach as written (a folder or file name ending in a dot or a
// space, a final name that is a device name; see dos_names.h), its verbatim
// "\\?\" form, built on its full path.
std::wstring WidePath(const std::wstring& path);
