#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/file_name.h"

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
    Skip,   // not an entry: go on with the next line
    Entry,  // an entry to verify
};

// What lines of a list tell about the list as a whole.
struct ListNotes {
    std::size_t messageLines = 0;      // message lines of the job that wrote a report
    std::size_t linesOutside = 0;      // lines outside a column list's tables, of none of its parts
    std::size_t unbalancedTables = 0;  // report tables whose rows do not add up to their total line
    ListNotes& operator+=(const ListNotes& other);
    bool operator==(const ListNotes&) const = default;
};

struct LineReading {
    LineStep step = LineStep::Skip;
    ListEntry entry;
    ListNotes notes;
};

// The file an entry names, below the folder that holds the list, and how
// the check names it.
struct ListedFile {
    std::size_t line = 0;  // the entry's line, counted from 0 among the list's lines
    CFileName file;        // by the rule of the list's form
    // The name exactly as the line writes it, where the form's rule trimmed
    // blanks from it: padded columns may mean either file.
    std::optional<CFileName> asWritten;
    bool namedByPath = false;  // messages name the file's path rather than the entry's name
    bool rowIsExact = true;    // the entry's name in code page 932 names the file
    CheckOrder order = CheckOrder::SizeFirst;

    // What names the file in the read-error and size messages.
    std::string MessageName(const ListEntry& entry) const {
        return namedByPath ? file.Text() : entry.name;
    }
};
