#include "engine/path_message.h"

#include "framework/string_table.h"

std::string FormatPathMessage(unsigned stringId, const std::string& path) {
    std::string message = LoadTableString(stringId);
    const std::size_t at = message.find("%1");
    if (at != std::string::npos) {
        message.replace(at, 2, path);
    }
    return message;
}
