#include "tests/support/drop_handle.h"

#include <shlobj.h>

#include <cstring>

#include "framework/cp932_text.h"

// The shell hands over wide names; the receiver may query either form.
HDROP MakeDropHandle(const std::vector<std::string>& paths) {
    std::vector<std::wstring> wide;
    for (const std::string& path : paths) {
        wide.push_back(WidenText(path));
    }
    return MakeDropHandle(wide);
}

HDROP MakeDropHandle(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) {
        names += path;
        names += L'\0';
    }
    names += L'\0';
    const std::size_t bytes = names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    if (memory == nullptr) {
        return nullptr;
    }
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
