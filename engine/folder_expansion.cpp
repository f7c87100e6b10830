#include "engine/folder_expansion.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/job_messages.h"
#include "framework/file_system/file_find.h"

namespace {

bool IsDotEntry(const std::wstring& name) {
    return name == L"." || name == L"..";
}

// A search that ends at once for a reason other than an empty match cannot
// read the folder.
bool FolderUnreadable() {
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES;
}

// A file of a whole tree is named from the folder on, or from its name on;
// one lying directly in the folder keeps its bare name either way.
std::size_t RowNameOffset(const CFileName& folder, FolderDepth depth, TreeRowNames names) {
    if (depth != FolderDepth::WholeTree) {
        return InputEntry::kLastComponent;
    }
    const std::size_t below = folder.Child(L"").Text().size();
    return names == TreeRowNames::FromFolder
               ? below
               : folder.Text().size() - FinalComponent(folder.Text()).size();
}

}  // namespace

std::size_t AddFolderFiles(const CFileName& folder, CInputList& inputs, CJobReport& report,
                           FolderDepth depth, TreeRowNames names) {
    const bool wholeTree = depth == FolderDepth::WholeTree;
    const std::size_t rowNameOffset = RowNameOffset(folder, depth, names);
    std::size_t added = 0;
    // Folders still to search, the next one last: depth first, sub-folders
    // in the order listed.
    std::vector<std::shared_ptr<const CFileName>> pending{
        std::make_shared<const CFileName>(folder)};
    while (!pending.empty()) {
        const std::shared_ptr<const CFileName> shared = std::move(pending.back());
        const CFileName& current = *shared;
        pending.pop_back();
        const std::size_t firstSubfolder = pending.size();
        CFileFind finder;
        bool found = finder.FindFile(current.Child(L"*.*"));
        if (!found && wholeTree && FolderUnreadable()) {
            report.AddMessage(UnreadableFolderMessage(current.Text()));
        }
        for (; found; found = finder.FindNext()) {
            const std::wstring& name = finder.GetRealName();
            if (!finder.IsDirectory()) {
                inputs.emplace_back(shared, name, rowNameOffset, finder.GetLength());
                ++added;
            } else if (!wholeTree || IsDotEntry(name)) {
                continue;
            } else if (finder.IsReparsePoint()) {
                report.AddMessage(LinkNotEnteredMessage(current.Child(name).Text()));
            } else {
                pending.push_back(std::make_shared<const CFileName>(current.Child(name)));
            }
        }
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(firstSubfolder), pending.end());
    }
    return added;
}
