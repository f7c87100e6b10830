#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "framework/containers.h"
#include "lists/report_format.h"

// Receives the lines of a report, in order.
using ReportLineSink = std::function<void(const std::string& line)>;

// The name column grows with the longest name up to this many bytes. A row
// whose name is longer holds the name whole and then the CRC and size as
// every row does, without widening the column for the others: the report
// stays as large as the names it holds, whatever one list puts in a name,
// and such a row still reads back (see ReportListParser).
inline constexpr std::size_t kNameColumnCap = 128;

// What a report holds, counted as it is laid out: its first messageLines
// lines are the message lines, errorLines of them more than the no-errors
// line; files and bytes are what its total line says.
struct ReportTotals {
    std::size_t messageLines = 0;
    std::size_t errorLines = 0;
    std::size_t files = 0;
    std::int64_t bytes = 0;
};

// Lays out a finished job as the report: the message lines (placeholders
// dropped), then, when there are rows, a header, a rule, one row per file
// (name, CRC, grouped size), a closing rule and the total line. Consumes the
// lists: messages always, names, crcs and sizes when there are rows. Column
// widths count bytes, which are display columns in the monospace font.
ReportTotals BuildReportLines(CStringList& messages, CStringList& names, CCrcList& crcs,
                              CSizeList& sizes, const ReportLineSink& sink);

// Lines as a saved report holds them: each ended by CR LF.
std::string ReportText(std::span<const std::string> lines);
