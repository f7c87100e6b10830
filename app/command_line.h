#pragma once

#include <string>
#include <string_view>
#include <vector>

// The command line as the system holds it, with every character of every
// name.

// The argument text: what follows the program's own name (quoted or not)
// and the blanks after it. Empty text starts the drop window.
std::wstring ArgumentText(std::wstring_view commandLine);

// Splits argument text into paths: blanks and tabs separate, and double
// quotes group and are removed. No file name can hold a quote, so a quote
// never becomes part of a path, and a backslash is always kept as typed:
// "C:\my dir\" is the folder C:\my dir\, as shells complete it, and "D:\"
// a quoted drive's root.
std::vector<std::wstring> SplitArguments(std::wstring_view text);
