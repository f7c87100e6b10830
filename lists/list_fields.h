#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lists/list_entry.h"

// The CRC and size fields of checksum lists, read the way the lists have
// always been read: a CRC as up to four hexadecimal digits after leading
// white space, a size as a decimal number after leading white space with an
// optional sign, ending at the first character that is not a digit.

enum class FieldReading {
    Read,        // value holds the number
    Blank,       // the field is empty or white space only
    NotANumber,  // something else stands there, or the number overflows
};

struct CrcField {
    FieldReading reading = FieldReading::Blank;
    std::uint16_t value = 0;
    bool operator==(const CrcField&) const = default;
};

struct SizeField {
    FieldReading reading = FieldReading::Blank;
    std::int64_t value = 0;
    bool operator==(const SizeField&) const = default;
};

CrcField ReadCrcField(std::string_view field);
SizeField ReadSizeField(std::string_view field);

// The field with every comma removed: thousands separators in sizes.
std::string RemoveCommas(std::string_view field);

// True for a line of white space only (space, tab, CR, LF, VT, FF), which
// every reader passes over like an empty line.
bool IsBlankLine(std::string_view line);

// A line of dashes and white space only that begins with a dash: the rule
// that closes the table of a report or a column list (column lists may
// write it in groups, as their opening rule). A name that begins with '-'
// stands in a row beside its CRC and size, so a row never reads as one.
bool IsClosingRule(std::string_view line);

// The fault of an entry whose CRC or size field reads so (None when Read).
EntryFault CrcFault(FieldReading reading);
EntryFault SizeFault(FieldReading reading);

// The entry of a line whose fields were read so: faulty, with CRC and size
// 0, when either field holds no number (the CRC's fault is named first).
ListEntry EntryFromFields(std::string name, const CrcField& crc, const SizeField& size);
