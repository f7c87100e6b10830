#include "framework/wildcard.h"

#include <algorithm>
#include <vector>

bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name) {
    const std::size_t n = name.size();
    // reached[j]: the pattern read so far matches the first j characters.
    std::vector<bool> reached(n + 1, false);
    reached[0] = true;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t p = pattern[i];
        const bool tail = pattern.find_first_not_of(L".*", i) == std::wstring_view::npos;
        std::vector<bool> next(n + 1, false);
        for (std::size_t j = 0; j <= n; ++j) {
            if (!reached[j]) {
                continue;
            }
            if (p == L'*') {
                std::fill(next.begin() + static_cast<std::ptrdiff_t>(j), next.end(), true);
                break;
            }
            if (j < n && (p == L'?' || p == name[j])) {
                next[j + 1] = true;
            }
            if ((p == L'?' && (j == n || name[j] == L'.')) || (tail && j == n)) {
                next[j] = true;
            }
        }
        reached = std::move(next);
    }
    return reached[n];
}
