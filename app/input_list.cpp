#include "app/input_list.h"

#include "app/folder_expansion.h"
#include "app/long_path.h"
#include "framework/file_kind.h"

std::unique_ptr<CInputList> BuildInputList(const std::vector<std::string>& arguments) {
    auto inputs = std::make_unique<CInputList>();
    for (const std::string& argument : arguments) {
        std::string path = argument;
        ExpandToLongPath(argument, path);
        if (IsFolder(path)) {
            AddFolderFiles(path, *inputs);
        } else {
            inputs->push_back({path, false});
        }
    }
    return inputs;
}
