#pragma once

#include "engine/folder_expansion.h"

// The section of the profile that holds the drop window's settings, this
// one among them.
inline constexpr char kDropWindowSection[] = "Window";

// Whether a folder given to the program stands for its whole tree: the drop
// window's "サブフォルダも調べる" item, kept in the settings. The program
// started with paths follows it too.
FolderDepth ReadFolderDepthSetting();
void WriteFolderDepthSetting(FolderDepth depth);
