#pragma once

#include <cstddef>
#include <string_view>

#include "lists/list_entry.h"

// The longest fields a delimited list line may hold, in bytes.
inline constexpr std::size_t kDelimitedNameLimit = 259;
inline constexpr std::size_t kDelimitedCrcLimit = 7;
inline constexpr std::size_t kDelimitedSizeLimit = 31;

// Reads one line of a delimited ".crc" list: a name, a CRC and a size, each
// a run of characters other than space, comma and line feed, with two
// characters between fields (the space or comma that ends a field and any
// one character after it, so "a.bin, 1A2B, 100" and "a.bin  1A2B  100"
// both read). Only the CRC's first four hex digits count; the size is cut at
// its first '.'. Whatever follows the size is not read. A line of white
// space only is skipped; every other line is an entry.
LineReading ReadDelimitedLine(std::string_view line);

// The delimited form read line by line as the other forms are: each line
// stands alone.
struct DelimitedListParser {
    LineReading Read(std::string_view line) const { return ReadDelimitedLine(line); }
    ListNotes Finish() const { return {}; }
};
