#include "tests/support/drop_handle.h"

#include <shlobj.h>

#include <cstring>

HDROP MakeDropHandle(const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths) {
        names += path;
        names += '\0';
    }
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    if (memory == nullptr) {
        return nullptr;
    }
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
