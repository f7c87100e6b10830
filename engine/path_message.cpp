#include "engine/path_message.h"

#include <windows.h>

std::string FormatPathMessage(unsigned stringId, const std::string& path) {
    char text[512];
    const int length = LoadStringA(GetModuleHandleA(nullptr), stringId, text, sizeof text);
    std::string message(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t at = message.find("%1");
    if (at != std::string::npos) {
        message.replace(at, 2, path);
    }
    return message;
}
