#include "ui/drop/folder_depth_setting.h"

#include "framework/profile.h"

namespace {

constexpr char kKeyRecursive[] = "Recursive";

}  // namespace

FolderDepth ReadFolderDepthSetting() {
    return ReadProfileInt(kDropWindowSection, kKeyRecursive, 0) != 0 ? FolderDepth::WholeTree
                                                                     : FolderDepth::FilesOnly;
}

void WriteFolderDepthSetting(FolderDepth depth) {
    WriteProfileInt(kDropWindowSection, kKeyRecursive, depth == FolderDepth::WholeTree ? 1 : 0);
}
