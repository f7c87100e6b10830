// Reads arbitrary text as a saved report, line by line, as the report
// reader does; checks every entry and that nothing is read past the table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/cp932.h"
#include "fuzz/list_fuzz_checks.h"
#include "lists/report_list_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ReportListParser parser;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const LineReading reading = parser.Read(line);
        if (reading.step == LineStep::End) {
            break;
        }
        if (reading.step == LineStep::Entry) {
            CheckEntry(reading.entry);
            // The name is cut from the start of the line, right-trimmed.
            if (reading.entry.fault == EntryFault::None &&
                (!line.starts_with(reading.entry.name) ||
                 TrimAsciiSpaceRight(reading.entry.name).size() != reading.entry.name.size())) {
                std::abort();
            }
        }
    }
    return 0;
}
