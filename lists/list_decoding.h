#pragma once

#include <string>
#include <string_view>

// The three forms of checksum lists.
enum class ListForm { Report, Delimited, Column };

// The text of a list in code page 932, the form every reader takes. A list
// with a byte-order mark is converted from UTF-8 or UTF-16, the mark left
// out. One without a mark that is valid UTF-8 holding non-ASCII characters
// is read as UTF-8, unless, read as code page 932, it names a file that
// exists where the list looks for it: so every code page 932 list that
// names its files keeps its reading. Characters code page 932 cannot write
// become '?', which no file name holds.
std::string ListTextAsCp932(std::string_view bytes, ListForm form, const std::string& listPath);

// True when a ".crc" list begins with "FileName", after its byte-order mark
// if it has one: a column list.
bool BeginsAsColumnList(std::string_view bytes);
