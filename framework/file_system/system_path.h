#pragma once

#include <optional>
#include <string>

#include "framework/file_name.h"
#include "framework/file_system/file_open.h"

// Known only to the files of this folder: the form in which the file
// functions take a name. No other code names a file to the system, so the
// rules below hold for every call.

// The wide path that reaches exactly the file or folder path names (a
// search pattern too): path converted as it stands, or, when it is too long
// for an ordinary path or one of its components is a name ordinary paths
// do not reach as written (a folder or file name ending in a dot or a
// space, a final name that is a device name; see dos_names.h), its verbatim
// "\\?\" form, built on its full path.
std::wstring WidePath(const std::wstring& path);

// The system's form of path (see WidePath), or nothing, with why, for a
// name no file call may take: an empty one, one holding a NUL, which the
// system would cut short and so reach some other file, or one beyond the
// longest path the wide functions take.
std::optional<std::wstring> SystemPath(const CFileName& path, OpenFailure* why = nullptr);

// True when a file the program may make at path, a name SystemPath takes,
// stays within reach of the programs that open it next: below MAX_PATH
// characters, or below the system's limit when long paths are switched on
// for this process. (Wine takes one character more.) Files already there
// are read at any length.
bool FitsNewFileLimit(const CFileName& path);
