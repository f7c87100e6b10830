#include "app/long_path.h"

#include <string_view>

#include "framework/file_system/file_find.h"
#include "framework/path_parts.h"

namespace {

// The stored name of the entry path names, or its last component as typed
// when no lookup can give it: an empty component (a doubled separator), a
// dot folder, a prefix such as \\?\ whose "?" a search would take for a
// wildcard, or an entry the search cannot see, such as the root of a network
// share (\\server\share).
std::wstring StoredName(const std::wstring& path, std::size_t separator) {
    const std::wstring typed = path.substr(separator + 1);
    if (typed.empty() || typed == L"." || typed == L".." ||
        typed.find_first_of(L"*?") != std::wstring::npos) {
        return typed;
    }
    CFileFind finder;
    return finder.FindFile(CFileName(path)) ? finder.GetRealName() : typed;
}

}  // namespace

bool ExpandToLongPath(const std::wstring& path, std::wstring& longPath) {
    CFileFind finder;
    if (path.empty() || !finder.FindFile(CFileName(path))) {
        return false;
    }
    std::wstring working = path;
    std::size_t separator = LastSeparator(working);
    if (separator == std::wstring::npos) {
        longPath = path;
        return true;
    }
    // The whole path was found; a wildcard in its last component stands for
    // the first entry that matched.
    std::wstring tail = finder.GetRealName();
    for (;;) {
        working.resize(separator);
        separator = LastSeparator(working);
        if (separator == std::wstring::npos) {
            break;
        }
        tail = StoredName(working, separator) + L'\\' + tail;
    }
    // What stands before the first separator (a drive, or nothing) stays as typed.
    longPath = working + L'\\' + tail;
    return true;
}
