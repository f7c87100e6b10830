#include "ui/drop/dropped_items.h"

#include "app/folder_expansion.h"
#include "framework/cp932.h"
#include "framework/dropped_files.h"
#include "framework/file_kind.h"

void AddDroppedItems(HDROP drop, CInputList& inputs) {
    const UINT count = DroppedFileCount(drop);
    for (UINT index = 0; index < count; ++index) {
        const CFileName dropped = DroppedFileName(drop, index);
        const std::wstring& real = dropped.Real();
        const std::string& name = dropped.Text();
        // A name code page 932 cannot write is checked by its real name.
        const std::wstring realPath = dropped.IsTextExact() ? std::wstring() : real;
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
