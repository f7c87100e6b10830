#include "framework/cp932.h"

std::size_t FindLastSeparator(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(byte) && i + 1 < path.size()) {
            ++i;
        } else if (byte == '\\' || byte == '/') {
            last = i;
        }
    }
    return last;
}

bool EndsWithSeparator(std::string_view path) {
    const std::size_t last = FindLastSeparator(path);
    return last != std::string_view::npos && last + 1 == path.size();
}

std::string_view TrimAsciiSpaceRight(std::string_view text) {
    while (!text.empty() && IsAsciiSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view TrimAsciiSpace(std::string_view text) {
    while (!text.empty() && IsAsciiSpace(text.front())) {
        text.remove_prefix(1);
    }
    return TrimAsciiSpaceRight(text);
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::string VisibleText(std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string visible;
    visible.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            visible += '<';
            visible += kHex[byte >> 4];
            visible += kHex[byte & 0x0F];
            visible += '>';
        } else {
            visible += c;
        }
    }
    return visible;
}
