#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class SearchDirection { Next, Previous };

// Whether line holds query, the case of ASCII letters aside. Both are code
// page 932 text, compared character by character: a match never starts at a
// trail byte, and the bytes of a double-byte character match only exactly.
bool LineContains(std::string_view line, std::string_view query);

// The nearest line after (Next) or before (Previous) the current one that
// holds query, going round past the end, the current line last of all.
// Without a current line, the search begins at the first (Next) or the last
// (Previous) line. nullopt when no line holds query or query is empty.
std::optional<std::size_t> FindReportLine(std::span<const std::string> lines,
                                          std::string_view query,
                                          std::optional<std::size_t> current,
                                          SearchDirection direction);
