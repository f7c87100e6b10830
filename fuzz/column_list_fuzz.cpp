// Reads arbitrary bytes as a column list file (text mode, cut into lines).
// Entries must come only from the lines between the header's rule line and
// the next line of dashes and white space, and each must be its line read from the end: the size
// after the last space, the four bytes before the white space in front of
// it as the CRC, the rest, right-trimmed, as the name.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/list_fuzz_checks.h"
#include "lists/column_list_parser.h"
#include "lists/list_text.h"

namespace {

// True when the CRC's four bytes start on a character of their own, not on
// the trail byte of a double-byte character.
bool StartsACharacter(std::string_view text, std::size_t at) {
    std::size_t i = 0;
    while (i < at) {
        i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return i == at;
}

void CheckColumnEntry(const ListEntry& entry, std::string_view line) {
    CheckEntry(entry);
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos) {
        Expect(entry.fault == EntryFault::NoSize, "a line without a space has a size");
        return;
    }
    const std::string_view before = TrimAsciiSpaceRight(line.substr(0, space));
    const std::size_t crcStart = before.size() > 4 ? before.size() - 4 : 0;
    const std::string_view name = TrimAsciiSpaceRight(before.substr(0, crcStart));
    if (name.empty()) {
        Expect(entry.fault == EntryFault::NoName, "a line without a name has one");
        return;
    }
    Expect(entry.name == name, "the name is not what stands before the CRC");
    if (!StartsACharacter(before, crcStart)) {
        Expect(entry.fault == EntryFault::CrcNotHex, "a CRC read from half a character");
        return;
    }
    CheckFieldValues(entry, before.substr(crcStart), RemoveCommas(line.substr(space + 1)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CStringList lines = TextListLines(std::string_view(reinterpret_cast<const char*>(data), size));

    ColumnListParser parser;
    bool header = true;
    bool table = false;
    while (!lines.IsEmpty()) {
        const std::string line = lines.RemoveHead();
        // Outside a table a line that begins with '-' opens one; inside, a
        // line of dashes and blanks closes it.
        const bool rule = !header && !line.empty() && line.front() == '-' &&
                          (!table || line.find_first_not_of("- \t\r\n\v\f") == std::string::npos);
        const bool entryLine = table && !rule && !IsBlankLine(line);
        const bool outside = !header && !table && !rule && !IsBlankLine(line) &&
                             !line.starts_with("FileName");
        header = false;
        table = table != rule;
        const LineReading reading = parser.Read(line);
        Expect((reading.step == LineStep::Entry) == entryLine,
               "a line of a table passed over, or another line read as an entry");
        Expect(reading.notes.linesOutside == (outside ? 1u : 0u),
               "a line outside the tables not named, or a line of them named");
        if (reading.step == LineStep::Entry) {
            CheckColumnEntry(reading.entry, line);
        }
    }
    return 0;
}
