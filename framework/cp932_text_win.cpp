#include "framework/cp932_text.h"

#include <windows.h>

namespace {

// Named rather than CP_ACP: the process's ANSI code page is whatever the
// system or the manifest made it (1252 on an English Windows 10, 65001 with
// the system-wide UTF-8 option), and the program's text is 932 regardless.
constexpr UINT kCodePage = 932;

}  // namespace

std::wstring WidenText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

void NarrowTextInto(std::wstring_view text, std::string& narrow, bool* lossy) {
    if (lossy != nullptr) {
        *lossy = false;
    }
    if (text.empty()) {
        narrow.clear();
        return;
    }
    const int size = static_cast<int>(text.size());
    // No best fit: a character written as a look-alike ("é" as "e") would
    // name another file; '?' names none.
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(length));
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(), length,
                        nullptr, &usedDefault);
    if (lossy != nullptr) {
        *lossy = usedDefault != FALSE;
    }
}

std::string NarrowText(std::wstring_view text, bool* lossy) {
    std::string narrow;
    NarrowTextInto(text, narrow, lossy);
    return narrow;
}
