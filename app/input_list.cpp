#include "app/input_list.h"

#include <windows.h>

#include "app/folder_expansion.h"
#include "app/long_path.h"
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

// A name code page 932 cannot write is never looked up in its '?' form,
// which a search would take for wildcards standing for another file.
void AddRealArgument(const std::wstring& argument, CInputList& inputs) {
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
