#pragma once

#include <windows.h>

#include "framework/file_name.h"
#include "framework/file_system/file_open.h"

// Known only to the files of this folder: the one opener of files by name,
// and the one query of a name's attributes.

// How a file is opened: CreateFile's arguments beside the name.
struct FileAccess {
    DWORD access;
    DWORD share;
    DWORD disposition;
    DWORD flags;  // attributes of a new file, and flags
};

// Opens path as access asks, or gives INVALID_HANDLE_VALUE and why. Names
// SystemPath refuses are not tried, and what opens as a device or a pipe
// is closed again: it holds no file's bytes, and may never end.
HANDLE OpenFileHandle(const CFileName& path, const FileAccess& access, OpenFailure* why = nullptr);

// The attributes of what path names, or INVALID_FILE_ATTRIBUTES when there
// is nothing there or SystemPath refuses the name.
DWORD FileAttributes(const CFileName& path);
