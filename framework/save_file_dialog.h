#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>
#include <string_view>

// The common save-file dialog, owned by owner, with no initial file name.
// filter pairs descriptions and patterns separated by bars and ends with two
// bars: "テキストファイル(*.txt)|*.txt||". defaultExtension has no dot. flags
// are OFN_ flags. Returns the chosen path, or nullopt when the user cancels.
std::optional<std::string> AskSaveFileName(HWND owner, std::string_view filter,
                                           const char* defaultExtension, DWORD flags);

// The filter in the form the common dialogs take: each bar that is a
// character of its own becomes a NUL (a bar can be the trail byte of a
// double-byte character, as in "ポ").
std::string CommonDialogFilter(std::string_view filter);
