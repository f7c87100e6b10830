#include "framework/text_mode.h"

namespace {
constexpr char kCtrlZ = 0x1A;
}

std::string TextModeContent(std::string_view bytes) {
    const std::size_t end = bytes.find(kCtrlZ);
    if (end != std::string_view::npos) {
        bytes = bytes.substr(0, end);
    }
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += bytes[i];
    }
    return text;
}

std::string TextModeBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}
