#include "ui/drop/dropped_items.h"

#include "engine/folder_expansion.h"
#include "framework/cp932.h"
#include "framework/dropped_files.h"
#include "framework/file_system/file_kind.h"

void AddDroppedItems(HDROP drop, FolderDepth depth, CInputList& inputs, CJobReport& report) {
    const UINT count = DroppedFileCount(drop);
    for (UINT index = 0; index < count; ++index) {
        const CFileName dropped = DroppedFileName(drop, index);
        const PathKind kind = LookUpPath(dropped);
        if (!kind.folder) {
            inputs.push_back({dropped, false, InputEntry::kLastComponent, kind.size});
        } else if (AddFolderFiles(dropped, inputs, report, depth) == 0) {
            report.AddMessage(EmptyFolderMessage(dropped.Text()));
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
