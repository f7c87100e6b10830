#include "app/folder_expansion.h"

#include "engine/job_state.h"
#include "framework/cp932.h"
#include "framework/file_find.h"

std::size_t AddFolderFiles(const std::string& folder, CInputList& inputs) {
    std::string prefix = folder;
    // The test steps over double-byte characters, so "表" (0x95 0x5C) does
    // not pass for a trailing backslash.
    if (!EndsWithSeparator(prefix)) {
        prefix += '\\';
    }
    std::size_t added = 0;
    CFileFind finder;
    for (bool found = finder.FindFile(prefix + "*.*"); found; found = finder.FindNext()) {
        // Subfolders, "." and ".." included, are never entered.
        if (finder.IsDirectory()) {
            continue;
        }
        inputs.push_back({prefix + finder.GetFileName(), true});
        ++added;
    }
    return added;
}
