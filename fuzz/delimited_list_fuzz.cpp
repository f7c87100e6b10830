// Reads arbitrary text as the lines of a delimited list; checks that every
// entry keeps its fields within their limits and never spans a separator.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/list_fuzz_checks.h"
#include "lists/delimited_list_parser.h"

namespace {

void CheckLine(std::string_view line) {
    const LineReading reading = ReadDelimitedLine(line);
    if (reading.step != LineStep::Entry) {
        return;
    }
    const ListEntry& entry = reading.entry;
    CheckEntry(entry);
    if (entry.fault == EntryFault::None &&
        (entry.name.size() > kDelimitedNameLimit ||
         entry.name.find_first_of(" ,\n") != std::string::npos || !line.starts_with(entry.name))) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckLine(text);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        CheckLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}
