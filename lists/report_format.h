#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The lines a report writes around its table, as its layout writes them and
// its reader recognises them: exactly, never by their first word.

// What follows the name column in the header line.
inline constexpr std::string_view kHeaderColumns = "  CRC   Bytes";

// "Name" padded to the name column's width, then the other columns' titles.
std::string HeaderLine(std::size_t nameWidth);

// Decimal text with commas between groups of three digits: 1234567 gives
// "1,234,567"; values below 1000, negative ones included, have no commas.
std::string GroupThousands(std::int64_t value);

// The count and the bytes of a table's rows, and the total line that
// states them: "Total  2 Files  1,234,572 Bytes".
struct ReportTotal {
    std::size_t files = 0;
    std::int64_t bytes = 0;  // held at the largest or smallest value rather than overflowing

    void Add(std::int64_t size);
    std::string Line() const;
};
