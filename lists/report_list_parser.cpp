#include "lists/report_list_parser.h"

#include <algorithm>
#include <utility>

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

std::size_t LeadingDashes(std::string_view line) {
    return std::min(line.find_first_not_of('-'), line.size());
}

bool IsTotalShaped(std::string_view line) {
    return line.starts_with("Total  ") && line.ends_with(" Bytes") &&
           line.find(" Files  ") != std::string_view::npos;
}

bool IsHeaderLine(std::string_view line) {
    return line.size() > kHeaderColumns.size() &&
           line == HeaderLine(line.size() - kHeaderColumns.size());
}

}  // namespace

LineReading ReportListParser::Read(std::string_view line) {
    if (IsBlankLine(line)) {
        return {};
    }
    if (m_nameWidth != 0) {
        return ReadTableLine(line);
    }
    return {LineStep::Skip, {}, ReadOutsideTable(line)};
}

LineReading ReportListParser::ReadTableLine(std::string_view line) {
    if (IsClosingRule(line)) {
        m_totalDue = m_underHeader;
        m_underHeader = false;
        m_nameWidth = 0;
        m_rowWidth = 0;
        return {};
    }
    ListEntry row;
    if (IsLongRow(line, m_rowWidth, m_nameWidth)) {
        row = ReadRow(line, line.size() - (m_rowWidth - m_nameWidth));
    } else if (FramesTheCrc(line, m_nameWidth)) {
        row = ReadRow(line, m_nameWidth);
    } else {
        row = {std::string(TrimAsciiSpace(line)), 0, 0, EntryFault::NotARow};
    }
    m_total.Add(row.size);
    return {LineStep::Entry, std::move(row), {}};
}

ListNotes ReportListParser::ReadOutsideTable(std::string_view line) {
    ListNotes notes;
    // The line after a table under the report's header is its total line,
    // which states the table's rows and bytes: a report cut short, or with
    // rows taken out, is no baseline.
    if (std::exchange(m_totalDue, false)) {
        notes.unbalancedTables = line == m_total.Line() ? 0 : 1;
        if (IsTotalShaped(line)) {
            return notes;
        }
    }
    const std::size_t header = std::exchange(m_headerWidth, 0);
    if (header != 0 && IsReportRule(line) && LeadingDashes(line) == header) {
        OpenTable(line);
        m_underHeader = true;
        return notes;
    }
    // A header line that no rule of its width follows was a message.
    notes.messageLines += header != 0 ? 1 : 0;
    if (line.front() == '-' && (!m_shapedRuleOnly || IsReportRule(line))) {
        OpenTable(line);
    } else if (IsHeaderLine(line)) {
        m_headerWidth = line.size() - kHeaderColumns.size();
    } else if (line != kNoErrorsMessage) {
        ++notes.messageLines;
    }
    return notes;
}

ListNotes ReportListParser::Finish() const {
    ListNotes notes;
    notes.messageLines = m_headerWidth != 0 ? 1 : 0;
    notes.unbalancedTables = m_totalDue || m_underHeader ? 1 : 0;
    return notes;
}

bool ReportListParser::IsReportRule(std::string_view line) {
    const std::size_t name = LeadingDashes(line);
    const std::string_view rest = line.substr(name);
    return name > 0 && rest.starts_with("  ----  ") && rest.size() > 8 &&
           rest.find_first_not_of('-', 8) == std::string_view::npos;
}

// A rule of another shape than the report's gives the name column only.
void ReportListParser::OpenTable(std::string_view rule) {
    m_nameWidth = LeadingDashes(rule);
    m_rowWidth = IsReportRule(rule) ? rule.size() : 0;
    m_underHeader = false;
    m_total = {};
}
