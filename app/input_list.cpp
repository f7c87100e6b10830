#include "app/input_list.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/long_path.h"
#include "engine/folder_expansion.h"
#include "framework/file_system/file_find.h"
#include "framework/file_system/file_kind.h"
#include "framework/path_parts.h"
#include "framework/wildcard.h"

namespace {

// How an argument came: typed, or as a wildcard's match, whose whole tree
// is named with the matched folder's name, as its files lie beside the
// pattern's other matches.
void AddArgument(const std::wstring& argument, FolderDepth depth, CInputList& inputs,
                 CJobReport& report, TreeRowNames names = TreeRowNames::FromFolder);

bool HasWildcards(const std::wstring& argument) {
    return argument.find_first_of(L"*?", FinalComponentStart(argument)) != std::wstring::npos;
}

std::wstring FoldedCase(const std::wstring& text) {
    std::wstring folded = text;
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(),
                  static_cast<int>(text.size()), folded.data(), static_cast<int>(folded.size()),
                  nullptr, nullptr, 0);
    return folded;
}

// A pattern stands for every entry whose long name it matches but "." and
// "..", in name order as the file system compares names, each handled as
// that argument would be. Without a match it stays as typed, so that the
// report names it.
void AddMatches(const std::wstring& pattern, FolderDepth depth, CInputList& inputs,
                CJobReport& report) {
    const std::wstring wildcard = FoldedCase(pattern.substr(FinalComponentStart(pattern)));
    std::vector<std::wstring> names;
    CFileFind finder;
    for (bool found = finder.FindFile(CFileName(pattern)); found; found = finder.FindNext()) {
        const std::wstring& name = finder.GetRealName();
        if (name != L"." && name != L".." && MatchesWildcard(wildcard, FoldedCase(name))) {
            names.push_back(name);
        }
    }
    if (names.empty()) {
        inputs.push_back({CFileName(pattern), false});
        return;
    }
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    const std::wstring folder = pattern.substr(0, FinalComponentStart(pattern));
    for (const std::wstring& name : names) {
        AddArgument(folder + name, depth, inputs, report, TreeRowNames::WithFolder);
    }
}

void AddArgument(const std::wstring& argument, FolderDepth depth, CInputList& inputs,
                 CJobReport& report, TreeRowNames names) {
    if (HasWildcards(argument)) {
        AddMatches(argument, depth, inputs, report);
        return;
    }
    std::wstring longPath = argument;
    ExpandToLongPath(argument, longPath);
    const CFileName path(longPath);
    const PathKind kind = LookUpPath(path);
    if (kind.folder) {
        AddFolderFiles(path, inputs, report, depth, names);
    } else {
        inputs.push_back({path, false, InputEntry::kLastComponent, kind.size});
    }
}

}  // namespace

std::unique_ptr<CInputList> BuildInputList(const std::vector<std::wstring>& arguments,
                                           FolderDepth depth, CJobReport& report) {
    auto inputs = std::make_unique<CInputList>();
    for (const std::wstring& argument : arguments) {
        AddArgument(argument, depth, *inputs, report);
    }
    return inputs;
}
