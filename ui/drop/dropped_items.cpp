#include "ui/drop/dropped_items.h"

#include "app/folder_expansion.h"
#include "framework/cp932.h"
#include "framework/file_kind.h"
#include "framework/wide_path.h"

namespace {

// Names are fetched whole, however long, in the form the shell holds them.
std::string DroppedName(HDROP drop, UINT index) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, index, name.data(), length + 1);
    name.resize(copied <= length ? copied : length);
    return NarrowText(name);
}

}  // namespace

void AddDroppedItems(HDROP drop, CInputList& inputs) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const std::string name = DroppedName(drop, index);
        if (!IsFolder(name)) {
            inputs.push_back({name, false});
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
