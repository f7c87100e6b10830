#include "app/long_path.h"

#include <string_view>

#include "framework/cp932.h"
#include "framework/file_find.h"

namespace {

// The stored name of the entry path names, or its last component as typed
// when no lookup can give it: an empty component (a doubled separator), a
// dot folder, a prefix such as \\?\ whose "?" a search would take for a
// wildcard, or an entry the search cannot see, such as the root of a network
// share (\\server\share).
std::string StoredName(const std::string& path, std::size_t separator) {
    const std::string typed = path.substr(separator + 1);
    if (typed.empty() || typed == "." || typed == ".." ||
        typed.find_first_of("*?") != std::string::npos) {
        return typed;
    }
    CFileFind finder;
    return finder.FindFile(path) ? finder.GetFileName() : typed;
}

}  // namespace

bool ExpandToLongPath(const std::string& path, std::string& longPath) {
    CFileFind finder;
    if (path.empty() || !finder.FindFile(path)) {
        return false;
    }
    std::string working = path;
    std::size_t separator = FindLastSeparator(working);
    if (separator == std::string::npos) {
        longPath = path;
        return true;
    }
    // The whole path was found; a wildcard in its last component stands for
    // the first entry that matched.
    std::string tail = finder.GetFileName();
    for (;;) {
        working.resize(separator);
        separator = FindLastSeparator(working);
        if (separator == std::string::npos) {
            break;
        }
        tail = StoredName(working, separator) + '\\' + tail;
    }
    // What stands before the first separator (a drive, or nothing) stays as typed.
    longPath = working + '\\' + tail;
    return true;
}
