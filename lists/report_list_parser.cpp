#include "lists/report_list_parser.h"

#include <algorithm>

#include "engine/job_messages.h"
#include "framework/cp932.h"
#include "lists/list_fields.h"

namespace {

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
    if (m_nameWidth == 0) {
        return ReadOutsideTable(line);
    }
    if (IsClosingRule(line)) {
        m_nameWidth = 0;
        m_rowWidth = 0;
        return {};
    }
    if (IsLongRow(line, m_rowWidth, m_nameWidth)) {
        return {LineStep::Entry, ReadRow(line, line.size() - (m_rowWidth - m_nameWidth))};
    }
    if (!FramesTheCrc(line, m_nameWidth)) {
        return {LineStep::Entry, {std::string(TrimAsciiSpace(line)), 0, 0, EntryFault::NotARow}};
    }
    return {LineStep::Entry, ReadRow(line, m_nameWidth)};
}

// The job's messages stand above the header; the total line follows the
// table; a report that found nothing wrong says so in a line of its own.
LineReading ReportListParser::ReadOutsideTable(std::string_view line) {
    if (line.front() == '-' && (!m_shapedRuleOnly || IsReportRule(line))) {
        ReadRule(line);
        return {};
    }
    const std::string_view word = line.substr(0, line.find_first_of(" ,\t"));
    if (word == "Name") {
        m_belowHeader = true;
    }
    if (m_belowHeader || word == "Total" || line == kNoErrorsMessage) {
        return {};
    }
    return {LineStep::Message, {}};
}

bool ReportListParser::IsReportRule(std::string_view line) {
    const std::size_t name = std::min(line.find_first_not_of('-'), line.size());
    const std::string_view rest = line.substr(name);
    return name > 0 && rest.starts_with("  ----  ") && rest.size() > 8 &&
           rest.find_first_not_of('-', 8) == std::string_view::npos;
}

// A rule of another shape than the report's gives the name column only.
void ReportListParser::ReadRule(std::string_view rule) {
    m_nameWidth = std::min(rule.find_first_not_of('-'), rule.size());
    m_rowWidth = IsReportRule(rule) ? rule.size() : 0;
    m_belowHeader = false;
}
