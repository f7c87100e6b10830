#pragma once

#include "framework/file_name.h"

// True when path names an existing folder, reached as the file functions
// reach it (see WidePath): also one written with a trailing backslash, one
// deeper than ordinary paths reach, or one whose name ends in a dot.
bool IsFolder(const CFileName& path);
