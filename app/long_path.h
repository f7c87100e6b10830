#pragma once

#include <string>

// The long form of an existing path: every component after the first
// replaced by its name as stored in the file system (short 8.3 names become
// long ones). Returns false, leaving longPath untouched, when it cannot be
// determined.
bool ExpandToLongPath(const std::wstring& path, std::wstring& longPath);
