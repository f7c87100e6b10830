#include "ui/result/report_search.h"

#include "framework/cp932.h"

namespace {

// query matches line at a character's start: single-byte characters up to
// the case of letters, double-byte ones byte for byte.
bool MatchesAt(std::string_view line, std::size_t start, std::string_view query) {
    if (line.size() - start < query.size()) {
        return false;
    }
    for (std::size_t i = 0; i < query.size(); ++i) {
        const char wanted = query[i];
        const char found = line[start + i];
        if (IsLeadByte(static_cast<unsigned char>(wanted)) && i + 1 < query.size()) {
            if (wanted != found || query[i + 1] != line[start + i + 1]) {
                return false;
            }
            ++i;
        } else if (ToLowerAscii(wanted) != ToLowerAscii(found)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool LineContains(std::string_view line, std::string_view query) {
    if (query.empty()) {
        return false;
    }
    for (std::size_t start = 0; start < line.size();) {
        if (MatchesAt(line, start, query)) {
            return true;
        }
        start += IsLeadByte(static_cast<unsigned char>(line[start])) ? 2 : 1;
    }
    return false;
}

std::optional<std::size_t> FindReportLine(std::span<const std::string> lines,
                                          std::string_view query,
                                          std::optional<std::size_t> current,
                                          SearchDirection direction) {
    const std::size_t count = lines.size();
    if (count == 0 || query.empty()) {
        return std::nullopt;
    }
    const bool next = direction == SearchDirection::Next;
    // Without a current line, the one just before the first (or after the
    // last) stands for it, so that the first step lands on the end itself.
    std::size_t index = current && *current < count ? *current : (next ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        index = next ? (index + 1) % count : (index + count - 1) % count;
        if (LineContains(lines[index], query)) {
            return index;
        }
    }
    return std::nullopt;
}
