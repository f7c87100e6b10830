#include "engine/folder_expansion.h"

#include "framework/file_find.h"

std::size_t AddFolderFiles(const CFileName& folder, CInputList& inputs) {
    std::size_t added = 0;
    CFileFind finder;
    for (bool found = finder.FindFile(folder.Child(L"*.*").Real()); found;
         found = finder.FindNext()) {
        // Subfolders, "." and ".." included, are never entered.
        if (finder.IsDirectory()) {
            continue;
        }
        inputs.push_back({folder.Child(finder.GetRealName()), true});
        ++added;
    }
    return added;
}
