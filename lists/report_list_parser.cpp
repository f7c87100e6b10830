#include "lists/report_list_parser.h"

#include "framework/cp932.h"
#include "lists/list_fields.h"

namespace {

std::string_view FirstWord(std::string_view line) {
    return line.substr(0, line.find_first_of(" ,\t"));
}

bool IsHeaderOrTotal(std::string_view line) {
    const std::string_view word = FirstWord(line);
    return word == "Name" || word == "Total";
}

bool FramesTheCrc(std::string_view line, std::size_t width) {
    return line.size() >= width + 8 && line[width] == ' ' && line[width + 1] == ' ' &&
           line[width + 6] == ' ' && line[width + 7] == ' ';
}

ListEntry ReadRow(std::string_view line, std::size_t width) {
    std::string name(TrimAsciiSpaceRight(line.substr(0, width)));
    if (name.empty()) {
        return {std::string(TrimAsciiSpace(line)), 0, 0, EntryFault::NoName};
    }
    return EntryFromFields(std::move(name), ReadCrcField(line.substr(width + 2, 4)),
                           ReadSizeField(RemoveCommas(line.substr(width + 8))));
}

}  // namespace

LineReading ReportListParser::Read(std::string_view line) {
    if (IsBlankLine(line)) {
        return {};
    }
    if (line.front() == '-') {
        if (m_nameWidth != 0) {
            return {LineStep::End, {}};
        }
        m_nameWidth = line.find_first_not_of('-');
        if (m_nameWidth == std::string_view::npos) {
            m_nameWidth = line.size();
        }
        return {};
    }
    if (m_nameWidth == 0 || IsHeaderOrTotal(line) || !FramesTheCrc(line, m_nameWidth)) {
        return {};
    }
    return {LineStep::Entry, ReadRow(line, m_nameWidth)};
}
