// Reads arbitrary bytes as a column list file (text mode, cut into lines);
// checks every entry and the plain join of its path.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/text_mode.h"
#include "fuzz/list_fuzz_checks.h"
#include "lists/column_list_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        TextModeContent(std::string_view(reinterpret_cast<const char*>(data), size));
    CStringList lines = CutColumnListLines(text);
    ColumnListParser parser;
    while (!lines.IsEmpty()) {
        const std::string line = lines.RemoveHead();
        const LineReading reading = parser.Read(line);
        if (reading.step == LineStep::End) {
            break;
        }
        if (reading.step == LineStep::Entry) {
            CheckEntry(reading.entry);
            const std::string path = PlainJoinPath("C:", "\\d\\", reading.entry.name);
            if (path != "C:\\d\\" + reading.entry.name) {
                std::abort();
            }
        }
    }
    return 0;
}
