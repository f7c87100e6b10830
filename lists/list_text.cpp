#include "lists/list_text.h"

#include <algorithm>
#include <string>

#include "framework/cp932.h"
#include "framework/cp932_text.h"

namespace {

constexpr char kCtrlZ = 0x1A;

// The bytes UTF-8 writes a character in, given its first code unit.
std::size_t Utf8Length(wchar_t first, bool pair) {
    const auto code = static_cast<std::uint32_t>(first);
    if (pair || code > 0xFFFF) {
        return 4;
    }
    return code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
}

// The one cutter of list text: take(line) for each line as CutListLines
// defines them.
template <typename Take>
void ForEachListLine(std::string_view text, const Take& take) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (end > 0) {
            take(text.substr(0, end));
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

std::string_view BeforeEndMark(std::string_view bytes) {
    return bytes.substr(0, bytes.find(kCtrlZ));
}

bool HoldsText(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return c != kCtrlZ && !IsAsciiSpace(c); });
}

}  // namespace

CStringList CutListLines(std::string_view text) {
    CStringList lines;
    ForEachListLine(text, [&lines](std::string_view line) { lines.AddTail(std::string(line)); });
    return lines;
}

CStringList TextListLines(std::string_view bytes) {
    return CutListLines(BeforeEndMark(bytes));
}

bool HoldsTextAfterEndMark(std::string_view bytes) {
    const std::size_t mark = bytes.find(kCtrlZ);
    if (mark == std::string_view::npos) {
        return false;
    }
    return HoldsText(bytes.substr(mark));
}

CStringList CrcListLines(std::string_view bytes) {
    return CutListLines(bytes);
}

bool IsSfv32List(const ListLines& list) {
    return !list.lines.empty() && list.lines.front().text.find("WIN-SFV32") != std::string::npos;
}

ListLines CutListText(std::string_view text, ListForm form) {
    if (form == ListForm::Delimited) {
        return CutListPiece(text);
    }
    EndMark end;
    ListLines list = CutListPiece(end.Before(text));
    list.textAfterEndMark = end.TextAfter();
    return list;
}

ListLines CutListPiece(std::string_view text) {
    ListLines list;
    // Cut straight into the lines kept: a piece is not held twice.
    ForEachListLine(text,
                    [&list](std::string_view line) { list.lines.push_back({std::string(line)}); });
    return list;
}

std::string_view EndMark::Before(std::string_view piece) {
    const std::size_t mark = m_reached ? 0 : piece.find(kCtrlZ);
    if (mark == std::string_view::npos) {
        return piece;
    }
    m_reached = true;
    m_textAfter = m_textAfter || HoldsText(piece.substr(mark));
    return piece.substr(0, mark);
}

std::wstring ListLines::RealStart(std::size_t line, std::size_t bytes) const {
    const std::string& text = lines[line].text;
    if (!IsUnicode()) {
        return WidenText(std::string_view(text).substr(0, bytes));
    }
    const std::wstring& real = reals[line];
    std::size_t written = 0;
    std::size_t at = 0;
    while (written < bytes && at < real.size()) {
        const bool pair = real[at] >= 0xD800 && real[at] <= 0xDBFF && at + 1 < real.size();
        const std::size_t length = pair ? 2 : 1;
        written += textIsUtf8 ? Utf8Length(real[at], pair)
                              : NarrowText(std::wstring_view(real).substr(at, length)).size();
        at += length;
    }
    return real.substr(0, at);
}

bool IsColumnList(std::string_view bytes) {
    return bytes.starts_with("FileName");
}
