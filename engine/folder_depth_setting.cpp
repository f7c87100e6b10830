#include "engine/folder_depth_setting.h"

#include "framework/profile.h"

namespace {

constexpr char kSection[] = "Window";
constexpr char kKeyRecursive[] = "Recursive";

}  // namespace

FolderDepth ReadFolderDepthSetting() {
    return ReadProfileInt(kSection, kKeyRecursive, 0) != 0 ? FolderDepth::WholeTree
                                                           : FolderDepth::FilesOnly;
}

void WriteFolderDepthSetting(FolderDepth depth) {
    WriteProfileInt(kSection, kKeyRecursive, depth == FolderDepth::WholeTree ? 1 : 0);
}
