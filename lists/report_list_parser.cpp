#include "lists/report_list_parser.h"

#include <algorithm>

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

// A row of a name longer than the name column: the CRC and the size stand
// where they stand in every row, counted from the row's end.
bool IsLongRow(std::string_view line, std::size_t rowWidth, std::size_t nameWidth) {
    return rowWidth != 0 && line.size() > rowWidth &&
           FramesTheCrc(line, line.size() - (rowWidth - nameWidth));
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
        ReadRule(line);
        return {};
    }
    if (m_nameWidth == 0 || IsHeaderOrTotal(line)) {
        return {};
    }
    if (IsLongRow(line, m_rowWidth, m_nameWidth)) {
        return {LineStep::Entry, ReadRow(line, line.size() - (m_rowWidth - m_nameWidth))};
    }
    if (!FramesTheCrc(line, m_nameWidth)) {
        return {};
    }
    return {LineStep::Entry, ReadRow(line, m_nameWidth)};
}

// "-----  ----  -----": the name column's dashes, then the CRC's and the
// size's, each after two spaces. A rule of another shape gives the name
// column only.
void ReportListParser::ReadRule(std::string_view rule) {
    m_nameWidth = std::min(rule.find_first_not_of('-'), rule.size());
    const std::string_view rest = rule.substr(m_nameWidth);
    const bool reportShape = rest.starts_with("  ----  ") && rest.size() > 8 &&
                             rest.find_first_not_of('-', 8) == std::string_view::npos;
    m_rowWidth = reportShape ? rule.size() : 0;
}
