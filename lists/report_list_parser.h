#pragma once

#include <cstddef>
#include <string_view>

#include "lists/list_entry.h"

// Reads back the table of a saved report, line by line. The name column's
// width is learned from the first line that begins with '-' (the rule under
// the header); rows follow until the next such line. A row is the name
// padded to that width, two spaces, the CRC's four hex digits, two spaces
// and the size (thousands commas allowed). A row longer than the rule line,
// as the report writes for a name longer than its name column, is read the
// same way from its end, the size column as wide as the rule gives it.
// Lines that do not fit this layout are skipped without a message: a report
// may carry message lines and a header, and a hand-edited one must not be
// misread.
class ReportListParser {
public:
    LineReading Read(std::string_view line);

private:
    void ReadRule(std::string_view rule);

    std::size_t m_nameWidth = 0;  // 0 until the opening rule line is seen
    std::size_t m_rowWidth = 0;   // the rule's, when it has the report's shape
};
