#include "framework/cp932_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

// The host builds test and fuzz the Windows-free modules, names included,
// through the C library's own code page 932 tables; the program itself
// converts with the system's (cp932_text_win.cpp).

namespace {

// Converts in, one character at a time where the target has none: such a
// character is written as replacement and skipped, as Windows does.
template <class Out, class In>
Out Convert(const char* to, const char* from, const In& in, const Out& replacement, bool* lossy) {
    const iconv_t cd = iconv_open(to, from);
    Out out;
    auto* source = const_cast<char*>(reinterpret_cast<const char*>(in.data()));
    std::size_t left = in.size() * sizeof(typename In::value_type);
    while (left > 0) {
        typename Out::value_type buffer[64];
        auto* target = reinterpret_cast<char*>(buffer);
        std::size_t room = sizeof buffer;
        const std::size_t done = iconv(cd, &source, &left, &target, &room);
        out.append(buffer, static_cast<std::size_t>(target - reinterpret_cast<char*>(buffer)) /
                               sizeof(typename Out::value_type));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += replacement;
            const std::size_t skipped = std::min(left, sizeof(typename In::value_type));
            source += skipped;
            left -= skipped;
            if (lossy != nullptr) {
                *lossy = true;
            }
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::wstring WidenText(std::string_view text) {
    return Convert("WCHAR_T", "CP932", text, std::wstring(1, L'\x30FB'), nullptr);
}

std::string NarrowText(std::wstring_view text, bool* lossy) {
    if (lossy != nullptr) {
        *lossy = false;
    }
    return Convert("CP932", "WCHAR_T", text, std::string("?"), lossy);
}

void NarrowTextInto(std::wstring_view text, std::string& narrow, bool* lossy) {
    narrow = NarrowText(text, lossy);
}
