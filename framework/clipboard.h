#pragma once

#include <windows.h>

#include <string_view>

// Puts text (code page 932) on the clipboard in place of what it held: as
// Unicode text, and as code page 932 text marked Japanese for programs that
// read only ANSI text, so that neither depends on the system's code page.
// False when the clipboard could not be opened or filled.
bool CopyTextToClipboard(HWND owner, std::string_view text);
