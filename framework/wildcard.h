#pragma once

#include <string_view>

// Whether a name matches a pattern of '*' (any run) and '?' (any one
// character), compared exactly: the caller folds case. As the system's
// search does, '?' also matches nothing before a dot or at the end, and a
// pattern's final dots and stars match nothing at the end ("*.*" matches
// "README"). The search matches 8.3 short names as well; this is asked of
// the long name alone, so that "*.bin" never stands for "x.binary".
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name);
