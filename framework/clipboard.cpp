#include "framework/clipboard.h"

#include <cstring>
#include <string>

#include "framework/cp932_text.h"

namespace {

constexpr LCID kJapaneseLocale = 0x0411;

// The clipboard takes ownership of the memory only when it accepts it.
bool PutOnClipboard(UINT format, const void* data, std::size_t bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return false;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, data, bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

}  // namespace

bool CopyTextToClipboard(HWND owner, std::string_view text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    const std::wstring wide = WidenText(text);
    const std::string narrow(text);
    const bool copied =
        EmptyClipboard() &&
        PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)) &&
        PutOnClipboard(CF_TEXT, narrow.c_str(), narrow.size() + 1) &&
        PutOnClipboard(CF_LOCALE, &kJapaneseLocale, sizeof kJapaneseLocale);
    CloseClipboard();
    return copied;
}
