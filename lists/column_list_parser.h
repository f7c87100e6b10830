#pragma once

#include <string_view>

#include "framework/containers.h"
#include "lists/list_entry.h"

// Reads a column list line by line: a header line beginning with "FileName",
// then tables, each opened by a line that begins with '-' and closed by a
// line of dashes only, or by the end of the list. An entry line is read from
// its end: the size after the last space (thousands commas allowed), the
// four characters before the white space in front of it as the CRC, and
// what stands before the CRC as the name, so the columns need no fixed
// positions. Outside the tables, every non-blank line but a header is
// noted as one the list holds and no table reads.
class ColumnListParser {
public:
    LineReading Read(std::string_view line);
    ListNotes Finish() const { return {}; }

private:
    enum class Part { Header, Outside, Table };
    Part m_part = Part::Header;
};

// One entry line of a column list, read from its end.
ListEntry ReadColumnEntry(std::string_view line);
