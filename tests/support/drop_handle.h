#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// A drop handle as the shell hands one to WM_DROPFILES: a DROPFILES block in
// movable global memory with the paths as wide strings, for the receiving
// window to query and release with DragFinish.
HDROP MakeDropHandle(const std::vector<std::wstring>& paths);
// The same for paths in code page 932.
HDROP MakeDropHandle(const std::vector<std::string>& paths);
