#include "lists/column_list_parser.h"

#include "framework/cp932.h"
#include "lists/list_fields.h"

namespace {

constexpr std::size_t kCrcWidth = 4;

// True when position lies between two characters of text rather than
// inside a double-byte character.
bool IsCharacterBoundary(std::string_view text, std::size_t position) {
    std::size_t i = 0;
    while (i < position) {
        i += (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    }
    return i == position;
}

}  // namespace

ListEntry ReadColumnEntry(std::string_view line) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos) {
        return {std::string(TrimAsciiSpace(line)), 0, 0, EntryFault::NoSize};
    }
    const std::string_view before = TrimAsciiSpaceRight(line.substr(0, space));
    const std::size_t crcStart = before.size() > kCrcWidth ? before.size() - kCrcWidth : 0;
    std::string name(TrimAsciiSpaceRight(before.substr(0, crcStart)));
    if (name.empty()) {
        return {std::string(TrimAsciiSpace(line)), 0, 0, EntryFault::NoName};
    }
    const CrcField crc = IsCharacterBoundary(before, crcStart)
                             ? ReadCrcField(before.substr(crcStart))
                             : CrcField{FieldReading::NotANumber, 0};
    return EntryFromFields(std::move(name), crc,
                           ReadSizeField(RemoveCommas(line.substr(space + 1))));
}

LineReading ColumnListParser::Read(std::string_view line) {
    if (m_part == Part::Header) {
        m_part = Part::Outside;
        return {};
    }
    if (IsBlankLine(line)) {
        return {};
    }
    if (m_part == Part::Table) {
        if (IsClosingRule(line)) {
            m_part = Part::Outside;
            return {};
        }
        return {LineStep::Entry, ReadColumnEntry(line), {}};
    }
    if (line.front() == '-') {
        m_part = Part::Table;
        return {};
    }
    LineReading reading;
    reading.notes.linesOutside = line.starts_with("FileName") ? 0 : 1;
    return reading;
}
