#pragma once

#include <string>
#include <string_view>

// text converted from and to code page 932, whatever the process's ANSI
// code page: the one conversion between the program's text and what Windows
// takes (paths, captions, list box lines, messages). lossy, when given,
// tells whether a character had no code page 932 form and was written as '?'.
std::wstring WidenText(std::string_view text);
std::string NarrowText(std::wstring_view text, bool* lossy = nullptr);
// The same into narrow, in the storage it holds already, for text converted
// again and again (each file's path as a job reaches it).
void NarrowTextInto(std::wstring_view text, std::string& narrow, bool* lossy = nullptr);
