#include "engine/path_message.h"

// '%' and the digits lie below 0x40, never a trail byte of a double-byte
// character; the texts put in are not searched again.
std::string FormatPathMessage(CatalogMessage message, const std::string& path,
                              const std::string& detail) {
    const std::string& table = CatalogText(message);
    std::string text;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const bool marker = table[i] == '%' && i + 1 < table.size();
        if (marker && (table[i + 1] == '1' || table[i + 1] == '2')) {
            text += table[++i] == '1' ? path : detail;
        } else {
            text += table[i];
        }
    }
    return text;
}
