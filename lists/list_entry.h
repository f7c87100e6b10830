#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The three forms of checksum lists.
enum class ListForm { Report, Delimited, Column };

// Why a list line could not be read as a whole entry. An entry with a fault
// is still recorded (a row, a failed name and one message), so that the
// user sees every line the list meant as an entry.
enum class EntryFault {
    None,
    NoName,          // the line has no name where its format puts one
    NameTooLong,     // a delimited name field longer than 259 bytes
    NoCrc,           // the CRC field is missing or blank
    CrcTooLong,      // a delimited CRC field longer than 7 bytes
    CrcNotHex,       // the CRC field does not begin with a hexadecimal digit
    NoSize,          // the size field is missing or blank
    SizeTooLong,     // a delimited size field longer than 31 bytes
    SizeNotNumeric,  // the size field holds no decimal number that fits 64 bits
    NotARow,         // a line of a report's table that is laid out as no row
};

// One listed file as its list line gives it. crc and size are meaningful
// only when fault is None.
struct ListEntry {
    std::string name;
    std::uint16_t crc = 0;
    std::int64_t size = 0;
    EntryFault fault = EntryFault::None;
    bool operator==(const ListEntry&) const = default;
};

// The order in which a listed file is compared with its list entry.
enum class CheckOrder {
    SizeFirst,  // report and column lists: a differing length fails before any CRC is computed
    CrcFirst,   // delimited lists: an equal CRC passes whatever the listed size
};

// What a list reader does with one line.
enum class LineStep {
    Skip,     // not an entry: go on with the next line
    Entry,    // an entry to verify
    Message,  // a message line of the job that wrote the report: no entry
    End,      // the list's table ends here: read no further line
};

struct LineReading {
    LineStep step = LineStep::Skip;
    ListEntry entry;
};

// Where the file of an entry is looked for, and how the check names it.
struct ListedFile {
    std::size_t line = 0;  // the entry's line, counted from 0 among the list's lines
    std::string path;
    std::string subject;  // names the file in the read-error and size messages
    CheckOrder order = CheckOrder::SizeFirst;
};
