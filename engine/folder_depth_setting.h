#pragma once

#include "engine/folder_expansion.h"

// Whether a folder given to the program stands for its whole tree: the drop
// window's "サブフォルダも調べる" item, kept in the settings among the drop
// window's own. The program started with paths follows it too.
FolderDepth ReadFolderDepthSetting();
void WriteFolderDepthSetting(FolderDepth depth);
