#pragma once

#include <string>

// Writes a shortcut (a shell link) at linkPath that starts targetPath, the
// way Explorer's own shortcuts do; an existing one there is replaced. Returns
// false when the link could not be written. COM is initialised on the
// calling thread for the length of the call.
bool CreateShellLink(const std::wstring& linkPath, const std::wstring& targetPath);

// The path a shortcut at linkPath starts, as written in it; empty when the
// file there is no shortcut.
std::wstring ShellLinkTarget(const std::wstring& linkPath);
