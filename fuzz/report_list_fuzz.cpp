// Reads arbitrary text as a saved report, line by line, as the report
// reader does. Every line of a table (from a line beginning with '-' to a
// line of dashes) but a blank one must give an entry: a row, holding what
// the C library reads from the columns its rule line gives, or a line named
// as no row; and the reading goes on to the last line.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "framework/cp932.h"
#include "fuzz/list_fuzz_checks.h"
#include "lists/report_list_parser.h"

namespace {

// Where the tables of a report stand, how wide the name column is, and, when the rule has the
// report's own shape (the name's dashes, "  ----  ", the size's dashes), how wide a row of it is.
class ReportModel {
public:
    // Returns true when the line is a row of a table: a line inside one that
    // neither is blank nor closes it. A closing rule holds dashes and white
    // space only; after it another table may open at a line beginning with '-'.
    bool Take(std::string_view line) {
        if (IsBlankLine(line)) {
            return false;
        }
        if (m_width != 0) {
            const bool closing = line.front() == '-' &&
                                 line.find_first_not_of("- \t\r\n\v\f") == std::string_view::npos;
            if (closing) {
                m_width = 0;
            }
            return !closing;
        }
        if (line.front() != '-') {
            return false;
        }
        m_width = std::min(line.find_first_not_of('-'), line.size());
        const std::string_view rest = line.substr(m_width);
        bool shape = rest.size() > 8 && rest.substr(0, 8) == "  ----  ";
        for (std::size_t i = 8; shape && i < rest.size(); ++i) {
            shape = rest[i] == '-';
        }
        m_rowWidth = shape ? line.size() : 0;
        return false;
    }
    // Where the name column of this line ends: a row longer than the rule
    // is read from its end.
    std::size_t NameEnd(std::string_view line) const {
        if (m_rowWidth != 0 && line.size() > m_rowWidth) {
            const std::size_t end = line.size() - (m_rowWidth - m_width);
            if (Framed(line, end)) {
                return end;
            }
        }
        return m_width;
    }
    static bool Framed(std::string_view line, std::size_t width) {
        return line.size() >= width + 8 && line.substr(width, 2) == "  " &&
               line.substr(width + 6, 2) == "  ";
    }

private:
    std::size_t m_width = 0;
    std::size_t m_rowWidth = 0;
};

// Inside the table every line but a blank one is an entry: a row read at
// its name column's end, or a line named by its text that is no row.
void CheckEntryOfLine(const ListEntry& entry, std::string_view line, const ReportModel& model) {
    CheckEntry(entry);
    const std::size_t width = model.NameEnd(line);
    if (!ReportModel::Framed(line, width)) {
        Expect(entry.fault == EntryFault::NotARow && entry.name == TrimAsciiSpace(line),
               "a line that is no row was not named as one");
        return;
    }
    if (entry.fault == EntryFault::NoName) {
        Expect(TrimAsciiSpaceRight(line.substr(0, width)).empty(), "a named row refused");
        return;
    }
    Expect(entry.name == TrimAsciiSpaceRight(line.substr(0, width)),
           "the name is not the name column without its trailing white space");
    CheckFieldValues(entry, line.substr(width + 2, 4), RemoveCommas(line.substr(width + 8)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ReportListParser parser;
    ReportModel model;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const bool row = model.Take(line);
        const LineReading reading = parser.Read(line);
        Expect((reading.step == LineStep::Entry) == row,
               "a line of a table passed over, or a line outside the tables read");
        if (reading.step == LineStep::Entry) {
            CheckEntryOfLine(reading.entry, line, model);
        }
    }
    return 0;
}
