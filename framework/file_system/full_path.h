#pragma once

#include <string>

#include "framework/file_name.h"

// The full path as the system resolves it, without touching the disk: from
// the current folder when path is relative. Empty when it cannot be had.
std::wstring FullPath(const std::wstring& path);

// The full path by which the file functions reach path: the same for two
// names of one file that differ in "." and ".." steps or '/', and apart for
// names ordinary paths do not reach as written ("x." and "x", "nul.txt"
// and the device). Empty for a name no file call takes.
std::wstring ReachedPath(const CFileName& path);
