#include "ui/drop/dropped_items.h"

#include "app/folder_expansion.h"
#include "engine/job_state.h"
#include "framework/cp932.h"

namespace {

// Names are fetched whole, however long; the shell's own limit applies.
std::string DroppedName(HDROP drop, UINT index) {
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    std::string name(static_cast<std::size_t>(length) + 1, '\0');
    const UINT copied = DragQueryFileA(drop, index, name.data(), length + 1);
    name.resize(copied <= length ? copied : length);
    return name;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

void AddDroppedItems(HDROP drop, CStringArray& inputs) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const std::string name = DroppedName(drop, index);
        if (!IsFolder(name)) {
            inputs.push_back(name);
        } else if (AddFolderFiles(name, inputs) == 0) {
            g_messageList.AddTail(EmptyFolderMessage(name));
        }
    }
}

std::string EmptyFolderMessage(const std::string& folder) {
    std::string line = kEmptyFolderMessage + folder;
    if (!EndsWithSeparator(folder)) {
        line += '\\';
    }
    return line;
}
