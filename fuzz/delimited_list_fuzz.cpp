// Reads arbitrary text as the lines of a delimited list and holds each
// line's entry against what the C library's conversion
// "%[^\n ,]%*c%*c%[^\n ,]%*c%*c%[^\n ,]" makes of the same line: the same
// name, CRC and size, or a fault where a field is missing or beyond its
// limit.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/list_fuzz_checks.h"
#include "lists/delimited_list_parser.h"

namespace {

struct ScannedFields {
    int count = 0;  // how many fields the conversion filled
    std::string name, crc, size;
};

ScannedFields Scan(std::string_view line) {
    const std::string text(line);
    std::vector<char> name(text.size() + 1), crc(text.size() + 1), size(text.size() + 1);
    ScannedFields fields;
    fields.count = std::sscanf(text.c_str(), "%[^\n ,]%*c%*c%[^\n ,]%*c%*c%[^\n ,]", name.data(),
                               crc.data(), size.data());
    fields.name = fields.count >= 1 ? name.data() : "";
    fields.crc = fields.count >= 2 ? crc.data() : "";
    fields.size = fields.count >= 3 ? size.data() : "";
    return fields;
}

// The fault the format gives a line, field by field, the CRC's before the
// size's; None when every field is there within its limit (whether the
// fields hold numbers is checked apart).
EntryFault FormatFault(const ScannedFields& fields) {
    if (fields.count < 1) {
        return EntryFault::NoName;
    }
    if (fields.name.size() > kDelimitedNameLimit) {
        return EntryFault::NameTooLong;
    }
    if (fields.count < 2) {
        return EntryFault::NoCrc;
    }
    if (fields.crc.size() > kDelimitedCrcLimit) {
        return EntryFault::CrcTooLong;
    }
    return EntryFault::None;
}

void CheckLine(std::string_view line) {
    const LineReading reading = ReadDelimitedLine(line);
    if (IsBlankLine(line)) {
        Expect(reading.step == LineStep::Skip, "a blank line read as an entry");
        return;
    }
    Expect(reading.step == LineStep::Entry, "a line passed over");
    const ListEntry& entry = reading.entry;
    CheckEntry(entry);
    // The C library sees a NUL byte as the end of the line; the reader keeps
    // it in the field, where it makes the path name no file.
    if (line.find('\0') != std::string_view::npos) {
        return;
    }
    const ScannedFields fields = Scan(line);
    const EntryFault fault = FormatFault(fields);
    if (fault != EntryFault::None) {
        Expect(entry.fault == fault, "a missing or over-long field gives another fault");
        Expect(fault == EntryFault::NoName || entry.name == fields.name, "the name differs");
        return;
    }
    Expect(entry.name == fields.name, "the name differs from the C library's");
    Expect(entry.fault != EntryFault::NoName && entry.fault != EntryFault::NameTooLong &&
               entry.fault != EntryFault::CrcTooLong,
           "a line with all its fields is refused for a missing or long one");
    // A CR or a tab alone is a field to the C library, and no CRC.
    Expect(entry.fault != EntryFault::NoCrc || IsBlankLine(fields.crc), "a CRC field overlooked");
    if (entry.fault == EntryFault::SizeTooLong) {
        Expect(fields.size.size() > kDelimitedSizeLimit, "a short size field refused as too long");
        return;
    }
    Expect(fields.count == 3 || entry.fault != EntryFault::None, "an entry without a size field");
    CheckFieldValues(entry, fields.crc, fields.size.substr(0, fields.size.find('.')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckLine(text);
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        CheckLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return 0;
}
