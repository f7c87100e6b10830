#include "lists/path_rules.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

FileNameParts SplitFileName(std::string_view name) {
    // The dot lies below 0x40 and is never the trail byte of a double-byte
    // character, so the first dot byte is the first dot character.
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        return {std::string(name), {}};
    }
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

std::wstring ExactName(std::wstring_view name) {
    return std::wstring(name);
}

// The dot is written whenever the name holds one, even before an extension
// that begins with a dot: "a..bin" and "..\x.bin" name the files they say.
std::wstring SplitJoinName(std::wstring_view name) {
    const std::size_t dot = name.find(L'.');
    std::wstring joined(TrimBlanks(name.substr(0, dot)));
    if (dot != std::wstring_view::npos) {
        joined += L'.';
        joined += TrimBlanks(name.substr(dot + 1));
    }
    return joined;
}
