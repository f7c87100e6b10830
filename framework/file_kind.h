#pragma once

#include <string>

// True when path names an existing folder, reached as the file functions
// reach it (see WidePath): also one written with a trailing backslash, one
// deeper than ordinary paths reach, or one whose name ends in a dot.
bool IsFolder(const std::string& path);
bool IsFolder(const std::wstring& realPath);
