#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "engine/folder_expansion.h"
#include "engine/job_report.h"

// Starts the message line for a dropped folder that yields no file to check.
inline constexpr char kEmptyFolderMessage[] = "ファイルがありません：ディレクトリ";

// Appends the items of a shell drop to inputs, in the order dropped: a
// folder as the files lying directly in it (or its whole tree, by depth), anything else as a path
// the user named, exactly as the shell named it. Folders are told and searched as on the command
// line. A folder that adds no file adds its message line to report instead. The drop handle
// stays open.
void AddDroppedItems(HDROP drop, FolderDepth depth, CInputList& inputs, CJobReport& report);

// The message line for a dropped folder without files: the folder's path
// follows the text and ends in a backslash.
std::string EmptyFolderMessage(const std::string& folder);
