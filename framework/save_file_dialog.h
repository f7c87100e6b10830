#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/file_name.h"

// The common save-file dialog, owned by owner, with no initial file name.
// filter pairs descriptions and patterns separated by bars and ends with two
// bars, in code page 932: "テキストファイル(*.txt)|*.txt||". defaultExtension
// has no dot. flags are OFN_ flags. Returns the chosen file by its real
// name, or nullopt when the user cancels.
std::optional<CFileName> AskSaveFileName(HWND owner, std::string_view filter,
                                         const wchar_t* defaultExtension, DWORD flags);

// The filter in the form the common dialogs take: each bar a NUL. A bar
// can be the trail byte of a double-byte character, as in "ポ", so the
// filter is converted before the bars are looked for.
std::wstring CommonDialogFilter(std::string_view filter);
