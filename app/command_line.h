#pragma once

#include <string>
#include <string_view>
#include <vector>

// The argument text of a command line: what follows the program's own name
// (quoted or not) and the blanks after it. Empty text starts the drop window.
std::string ArgumentText(std::string_view commandLine);
std::wstring ArgumentText(std::wstring_view commandLine);

// Splits argument text the way the C runtime splits a command line: blanks
// and tabs separate, double quotes group and are removed, backslashes escape
// a quote only when they precede one. Double-byte characters are kept whole.
// The wide form splits the command line as the system holds it, with every
// character of every name.
std::vector<std::string> SplitArguments(std::string_view text);
std::vector<std::wstring> SplitArguments(std::wstring_view text);
