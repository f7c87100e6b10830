#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Lays out a finished job as the report: the message lines (placeholders
// dropped), then, when there are rows, a header, a rule, one row per file
// (name, CRC, grouped size), a closing rule and the total line. Consumes the
// lists: messages always, names, crcs and sizes when there are rows. Column
// widths count bytes, which are display columns in the monospace font.
void BuildReportLines(CStringList& messages, CStringList& names, CCrcList& crcs, CSizeList& sizes,
                      const ReportLineSink& sink);
