#include "lists/list_text.h"

#include <algorithm>
#include <string>

#include "framework/cp932.h"

namespace {
constexpr char kCtrlZ = 0x1A;
}

CStringList CutListLines(std::string_view text) {
    CStringList lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (end > 0) {
            lines.AddTail(std::string(text.substr(0, end)));
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

CStringList TextListLines(std::string_view bytes) {
    return CutListLines(bytes.substr(0, bytes.find(kCtrlZ)));
}

bool HoldsTextAfterEndMark(std::string_view bytes) {
    const std::size_t mark = bytes.find(kCtrlZ);
    if (mark == std::string_view::npos) {
        return false;
    }
    const std::string_view rest = bytes.substr(mark);
    return std::any_of(rest.begin(), rest.end(),
                       [](char c) { return c != kCtrlZ && !IsAsciiSpace(c); });
}

CStringList CrcListLines(std::string_view bytes) {
    return CutListLines(bytes);
}

bool IsSfv32List(const CStringList& lines) {
    return !lines.IsEmpty() && lines.GetHead().find("WIN-SFV32") != std::string::npos;
}

bool IsColumnList(std::string_view bytes) {
    return bytes.starts_with("FileName");
}
