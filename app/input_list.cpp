#include "app/input_list.h"

#include <windows.h>

#include <algorithm>

#include "app/folder_expansion.h"
#include "app/long_path.h"
#include "framework/file_find.h"
#include "framework/file_kind.h"
#include "framework/wide_path.h"

namespace {

void AddArgument(const std::string& argument, CInputList& inputs) {
    std::string path = argument;
    ExpandToLongPath(argument, path);
    if (IsFolder(path)) {
        AddFolderFiles(path, inputs);
    } else {
        inputs.push_back({path, false});
    }
}

// The long form of a path by its real name, or the path as typed.
std::wstring LongRealPath(const std::wstring& path) {
    const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
    std::wstring longPath(needed, L'\0');
    const DWORD length = needed > 0 ? GetLongPathNameW(path.c_str(), longPath.data(), needed) : 0;
    if (length == 0 || length >= needed) {
        return path;
    }
    longPath.resize(length);
    return longPath;
}

void AddRealArgument(const std::wstring& argument, CInputList& inputs);

// Where the last component of a path begins.
std::size_t LastComponent(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

bool HasWildcards(const std::wstring& argument) {
    return argument.find_first_of(L"*?", LastComponent(argument)) != std::wstring::npos;
}

// A pattern stands for every entry it matches but "." and "..", in name
// order as the file system compares names, each handled as that argument
// would be. Without a match it stays as typed, so that the report names it.
void AddMatches(const std::wstring& pattern, CInputList& inputs) {
    std::vector<std::wstring> names;
    CFileFind finder;
    for (bool found = finder.FindFile(pattern); found; found = finder.FindNext()) {
        const std::wstring& name = finder.GetRealName();
        if (name != L"." && name != L"..") {
            names.push_back(name);
        }
    }
    if (names.empty()) {
        inputs.push_back({NarrowText(pattern), false});
        return;
    }
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    const std::wstring folder = pattern.substr(0, LastComponent(pattern));
    for (const std::wstring& name : names) {
        AddRealArgument(folder + name, inputs);
    }
}

// A name code page 932 cannot write is never looked up in its '?' form,
// which a search would take for wildcards standing for another file.
void AddRealArgument(const std::wstring& argument, CInputList& inputs) {
    if (HasWildcards(argument)) {
        AddMatches(argument, inputs);
        return;
    }
    bool lossy = false;
    const std::string shown = NarrowText(argument, &lossy);
    if (!lossy) {
        AddArgument(shown, inputs);
        return;
    }
    const std::wstring real = LongRealPath(argument);
    const std::string path = NarrowText(real);
    if (IsFolder(real)) {
        AddFolderFiles(path, inputs, real);
    } else {
        inputs.push_back({path, false, real});
    }
}

}  // namespace

std::unique_ptr<CInputList> BuildInputList(const std::vector<std::string>& arguments) {
    auto inputs = std::make_unique<CInputList>();
    for (const std::string& argument : arguments) {
        AddArgument(argument, *inputs);
    }
    return inputs;
}

std::unique_ptr<CInputList> BuildInputList(const std::vector<std::wstring>& arguments) {
    auto inputs = std::make_unique<CInputList>();
    for (const std::wstring& argument : arguments) {
        AddRealArgument(argument, *inputs);
    }
    return inputs;
}
