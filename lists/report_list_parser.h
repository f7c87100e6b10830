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
// Lines before the opening rule (messages, the header) and after the
// closing one (the total) are never read. A line of the table that fits no
// row, as after its columns were moved by hand or by re-encoding the text,
// is an entry that could not be read, named by its text: no row of a
// report is passed over in silence, "Name" and "Total" rows included.
class ReportListParser {
public:
    // shapedRuleOnly: only a rule of the report's own shape opens the table,
    // so that a message above it that begins with '-' (a missing file named
    // "-x.bin") is not taken for the rule. For a list that holds such a rule.
    explicit ReportListParser(bool shapedRuleOnly = false) : m_shapedRuleOnly(shapedRuleOnly) {}
    LineReading Read(std::string_view line);

    // The rule the report writes under its header: the name column's dashes,
    // two spaces, four dashes, two spaces, the size column's dashes.
    static bool IsReportRule(std::string_view line);

private:
    void ReadRule(std::string_view rule);

    bool m_shapedRuleOnly;
    std::size_t m_nameWidth = 0;  // 0 until the opening rule line is seen
    std::size_t m_rowWidth = 0;   // the rule's, when it has the report's shape
};
