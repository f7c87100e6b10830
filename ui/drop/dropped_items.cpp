#include "ui/drop/dropped_items.h"

#include "app/folder_expansion.h"
#include "framework/cp932.h"
#include "framework/file_kind.h"
#include "framework/wide_path.h"

namespace {

// Names are fetched whole, however long, in the form the shell holds them.
std::wstring DroppedName(HDROP drop, UINT index) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, index, name.data(), length + 1);
    name.resize(copied <= length ? copied : length);
    return name;
}

}  // namespace

void AddDroppedItems(HDROP drop, CInputList& inputs) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const std::wstring real = DroppedName(drop, index);
        bool lossy = false;
        const std::string name = NarrowText(real, &lossy);
        // A name code page 932 cannot write is checked by its real name.
        const std::wstring realPath = lossy ? real : std::wstring();
        if (!IsFolder(real)) {
            inputs.push_back({name, false, realPath});
        } else if (AddFolderFiles(name, inputs, realPath) == 0) {
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
