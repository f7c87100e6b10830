// Prepares arbitrary bytes as a ".txt" and as a ".crc" list and checks that
// the lines put together again give back exactly the text they came from.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/list_text.h"
#include "framework/text_mode.h"

namespace {

std::string Join(const CStringList& lines, std::string_view delimiter) {
    std::string text;
    for (const std::string& line : lines) {
        if (line.find(delimiter) != std::string::npos) {
            std::abort();
        }
        text += line;
        text += delimiter;
    }
    return text;
}

void CheckTextList(std::string_view bytes) {
    const CStringList lines = TextListLines(bytes);
    std::string text = TextModeContent(bytes) + '\n';
    text.erase(0, text.find_first_not_of('\n'));
    if (!lines.IsEmpty() && lines.GetHead().empty()) {
        std::abort();
    }
    if (Join(lines, "\n") != text) {
        std::abort();
    }
    IsSfv32List(lines);
}

void CheckCrcList(std::string_view bytes) {
    const CStringList lines = CrcListLines(bytes);
    const bool cutAtLfCr = bytes.find("\n\r") != std::string_view::npos;
    const std::string text = Join(lines, cutAtLfCr ? "\n\r" : "\r\n");
    if (!bytes.starts_with(text)) {
        std::abort();
    }
    IsColumnList(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckTextList(bytes);
    CheckCrcList(bytes);
    return 0;
}
