#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "ui/result/report_layout.h"

// The line under the report: its error lines, files and bytes, and, when
// known, how long the check took. Code page 932 text.
std::string ReportSummaryText(const ReportTotals& totals,
                              std::optional<std::chrono::milliseconds> took);

// A duration as a person reads it: tenths of a second below a minute
// ("0.3 秒"), whole seconds beyond ("2 分 05 秒", "1 時間 00 分 09 秒").
std::string DurationText(std::chrono::milliseconds took);
