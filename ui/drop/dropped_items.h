#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/containers.h"

// Starts the message line for a dropped folder that yields no file to check.
inline constexpr char kEmptyFolderMessage[] = "ファイルがありません：ディレクトリ";

// Appends the items of a shell drop to inputs, in the order dropped: a
// folder as the files lying directly in it (folder entries), anything else
// as a plain entry, exactly as the shell named it. A folder that adds no
// file adds its message line to g_messageList instead. The drop handle stays
// open.
void AddDroppedItems(HDROP drop, CStringArray& inputs);

// The message line for a dropped folder without files: the folder's path
// follows the text and ends in a backslash.
std::string EmptyFolderMessage(const std::string& folder);
