#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A message box owned by owner; returns the button pressed (IDOK, IDYES, ...).
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Answers every message box in place of the user (tests); an empty handler
// restores the real boxes.
using MessageBoxHandler =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;
void SetMessageBoxHandlerForTesting(MessageBoxHandler handler);
