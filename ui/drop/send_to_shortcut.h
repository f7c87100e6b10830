#pragma once

#include <string>

// The program's place in Explorer's Send To menu: a shortcut named
// "Varnel.lnk" in the user's Send To folder that starts this program by its
// real path, so that the items sent arrive as its command line. Its presence
// is read from the folder each time, never kept.

// The shortcut's path, or empty when the system names no Send To folder.
std::wstring SendToShortcutPath();
bool HasSendToShortcut();
// False when the folder was left as it was.
bool AddSendToShortcut();

enum class SendToRemoval { Removed, Failed, NotTheProgramsShortcut };
// Removes the shortcut only when it starts a varnel.exe (or this program
// under another name): a file of that name made by someone else stays.
SendToRemoval RemoveSendToShortcut();
