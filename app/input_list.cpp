#include "app/input_list.h"

#include <windows.h>

#include "app/folder_expansion.h"
#include "app/long_path.h"
#include "framework/wide_path.h"

namespace {

// GetFileAttributes rather than the runtime's stat, which refuses a folder
// written with a trailing backslash (as shells complete it: "data\"); the
// wide form reaches folders deeper than ordinary paths do.
bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::unique_ptr<CStringArray> BuildInputList(const std::vector<std::string>& arguments) {
    auto inputs = std::make_unique<CStringArray>();
    for (const std::string& argument : arguments) {
        std::string path = argument;
        ExpandToLongPath(argument, path);
        if (IsFolder(path)) {
            AddFolderFiles(path, *inputs);
        } else {
            inputs->push_back(path);
        }
    }
    return inputs;
}
