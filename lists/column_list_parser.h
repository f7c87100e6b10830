#pragma once

#include <string_view>

#include "framework/containers.h"
#include "lists/list_entry.h"

// Reads a column list line by line: a header line beginning with "FileName",
// lines of any content up to and including a first line that begins with
// '-', then entry lines up to a line of dashes only. An entry line is read from
// its end: the size after the last space (thousands commas allowed), the
// four characters before the white space in front of it as the CRC, and
// what stands before the CRC as the name, so the columns need no fixed
// positions.
class ColumnListParser {
public:
    LineReading Read(std::string_view line);
    // True once the opening rule line has passed: the next line read may be
    // an entry.
    bool ReadingEntries() const { return m_part == Part::Entries; }

private:
    enum class Part { Header, Preamble, Entries };
    Part m_part = Part::Header;
};

// One entry line of a column list, read from its end.
ListEntry ReadColumnEntry(std::string_view line);
