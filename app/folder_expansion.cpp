#include "app/folder_expansion.h"

#include "engine/job_state.h"
#include "framework/cp932.h"
#include "framework/file_find.h"
#include "framework/wide_path.h"

std::size_t AddFolderFiles(const std::string& folder, CInputList& inputs,
                           const std::wstring& realFolder) {
    std::string prefix = folder;
    // The test steps over double-byte characters, so "表" (0x95 0x5C) does
    // not pass for a trailing backslash.
    if (!EndsWithSeparator(prefix)) {
        prefix += '\\';
    }
    std::wstring realPrefix = realFolder.empty() ? WidenText(prefix) : realFolder;
    if (realPrefix.back() != L'\\' && realPrefix.back() != L'/') {
        realPrefix += L'\\';
    }
    std::size_t added = 0;
    CFileFind finder;
    for (bool found = finder.FindFile(realPrefix + L"*.*"); found; found = finder.FindNext()) {
        // Subfolders, "." and ".." included, are never entered.
        if (finder.IsDirectory()) {
            continue;
        }
        const bool exact = realFolder.empty() && finder.IsNameExact();
        inputs.push_back({prefix + finder.GetFileName(), true,
                          exact ? std::wstring() : realPrefix + finder.GetRealName()});
        ++added;
    }
    return added;
}
