#include "engine/list_text.h"

#include <string>

#include "framework/text_mode.h"

namespace {

// Every line of text that ends in delimiter; what follows the last one is no line.
CStringList CutLines(std::string_view text, std::string_view delimiter) {
    CStringList lines;
    for (std::size_t end = text.find(delimiter); end != std::string_view::npos;
         end = text.find(delimiter)) {
        lines.AddTail(std::string(text.substr(0, end)));
        text.remove_prefix(end + delimiter.size());
    }
    return lines;
}

}  // namespace

CStringList TextListLines(std::string_view bytes) {
    std::string text = TextModeContent(bytes);
    text += '\n';
    CStringList lines = CutLines(text, "\n");
    while (!lines.IsEmpty() && lines.GetHead().empty()) {
        lines.RemoveHead();
    }
    return lines;
}

bool IsSfv32List(const CStringList& lines) {
    return !lines.IsEmpty() && lines.GetHead().find("WIN-SFV32") != std::string::npos;
}

bool IsColumnList(std::string_view bytes) {
    return bytes.starts_with("FileName");
}

CStringList CrcListLines(std::string_view bytes) {
    const bool hasBlankLine = bytes.find("\n\r") != std::string_view::npos;
    return CutLines(bytes, hasBlankLine ? "\n\r" : "\r\n");
}
