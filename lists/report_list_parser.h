#pragma once

#include <cstddef>
#include <string_view>

#include "lists/list_entry.h"
#include "lists/report_format.h"

// Reads back the tables of a saved report, line by line. A table opens at a
// rule line (a line that begins with '-'), whose leading dashes give the
// name column's width, and closes at a line of dashes only. A row is the
// name padded to that width, two spaces, the CRC's four hex digits, two
// spaces and the size (thousands commas allowed). A row longer than the
// rule line, as the report writes for a name longer than its name column,
// is read the same way from its end, the size column as wide as the rule
// gives it. Every other line of a table, one that begins with '-' included,
// is an entry that could not be read, named by its text: no row of a
// report is passed over in silence. After a table closes another may open,
// as in reports joined one after another.
//
// Outside the tables the report's own lines are known exactly: its header
// line, followed by the rule of the same name column; the total line right
// after the table under that header, stating the table's rows and bytes;
// and the no-errors line. Every other line there is a message of the job
// that wrote the report, which then recorded errors when it was made.
class ReportListParser {
public:
    // shapedRuleOnly: only a rule of the report's own shape opens a table,
    // so that a message above it that begins with '-' (a missing file named
    // "-x.bin") is not taken for the rule. For a list that holds such a rule.
    explicit ReportListParser(bool shapedRuleOnly = false) : m_shapedRuleOnly(shapedRuleOnly) {}
    LineReading Read(std::string_view line);
    // What the end of the list settles: a header line with no rule after
    // it, a table under the header cut short before its total line.
    ListNotes Finish() const;

    // The rule the report writes under its header: the name column's dashes,
    // two spaces, four dashes, two spaces, the size column's dashes.
    static bool IsReportRule(std::string_view line);

private:
    LineReading ReadTableLine(std::string_view line);
    ListNotes ReadOutsideTable(std::string_view line);
    void OpenTable(std::string_view rule);

    bool m_shapedRuleOnly;
    std::size_t m_nameWidth = 0;    // 0 outside a table
    std::size_t m_rowWidth = 0;     // the rule's, when it has the report's shape
    std::size_t m_headerWidth = 0;  // a header line's, until the next line shows it is one
    bool m_underHeader = false;     // the table opened under the report's header
    bool m_totalDue = false;        // such a table closed: its total line comes next
    ReportTotal m_total;            // of the table read last
};
