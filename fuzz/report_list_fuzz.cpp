// Reads arbitrary text as a saved report, line by line, as the report
// reader does. Every entry must come from a line between the first two rule
// lines that fits the layout the first rule line gives, and must hold what
// the C library reads from its fixed columns.
#include <cstdint>
#include <string_view>

#include "framework/cp932.h"
#include "fuzz/list_fuzz_checks.h"
#include "lists/report_list_parser.h"

namespace {

// The report as a reader outside the parser sees it: where the table is
// and how wide its name column is.
class ReportModel {
public:
    // Returns false once the closing rule line is reached.
    bool Take(std::string_view line) {
        if (line.empty() || line.front() != '-') {
            return true;
        }
        if (m_width != 0) {
            return false;
        }
        m_width = line.find_first_not_of('-');
        if (m_width == std::string_view::npos) {
            m_width = line.size();
        }
        return true;
    }
    std::size_t Width() const { return m_width; }

private:
    std::size_t m_width = 0;
};

// True for a line the layout makes a row: framed columns, and neither the
// header nor the total line.
bool FitsTheLayout(std::string_view line, std::size_t width) {
    const std::string_view word = line.substr(0, line.find_first_of(" ,\t"));
    return width != 0 && !IsBlankLine(line) && line.front() != '-' && line.size() >= width + 8 &&
           line.substr(width, 2) == "  " && line.substr(width + 6, 2) == "  " && word != "Name" &&
           word != "Total";
}

void CheckRow(const ListEntry& entry, std::string_view line, std::size_t width) {
    CheckEntry(entry);
    Expect(FitsTheLayout(line, width), "an entry from a line outside the table's layout");
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
        const bool inTable = model.Take(line);
        const LineReading reading = parser.Read(line);
        Expect((reading.step == LineStep::End) == !inTable,
               "the table ends elsewhere than at its closing rule line");
        if (reading.step == LineStep::End) {
            break;
        }
        if (reading.step == LineStep::Entry) {
            CheckRow(reading.entry, line, model.Width());
        } else {
            Expect(!FitsTheLayout(line, model.Width()), "a row of the table was passed over");
        }
    }
    return 0;
}
