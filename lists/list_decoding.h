#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "framework/containers.h"
#include "framework/file_name.h"
#include "lists/list_entry.h"

// What a list holds beyond its code page 932 text: the real (wide) form of
// each line whose characters code page 932 cannot all write. Files the
// list names are looked for by these.
struct RealListText {
    std::vector<std::wstring> lines;  // one per line of the list, empty where exact; or none
};

// The lines of a list and their real forms.
struct ListLines {
    CStringList lines;
    RealListText real;
    // Per line, empty where none: the name the line gives in the other
    // reading of an unmarked list (code page 932 or UTF-8), where both
    // readings name existing files.
    std::vector<std::string> twins;
    // Non-blank text follows the Ctrl-Z that ends a text list.
    bool textAfterEndMark = false;
};

// A list's bytes as its reader takes them: its text in code page 932, cut
// into lines as its form is cut. A list with a byte-order mark is decoded
// from UTF-8 or UTF-16, the mark left out. One without a mark that is
// valid UTF-8 holding non-ASCII characters is read as UTF-8, unless, read
// as code page 932, it names a file that exists where the list looks for
// it: so every code page 932 list that names its files keeps its reading.
// Characters code page 932 cannot write become '?' in the text, and the
// lines holding them keep their real form. A line of an unmarked list
// whose two readings both name existing files is marked as twins.
ListLines ReadListLines(std::string_view bytes, ListForm form, const CFileName& listPath);

// The file a list's line names, by its real name: the folder holding the
// list and the line's name joined by the rule of the list's form. name is
// the name the reader took from the start of the line, in code page 932.
CFileName ListedFileName(const CFileName& folder, const RealListText& real, std::size_t line,
                         const std::string& name, ListForm form);

// True when a ".crc" list begins with "FileName", after its byte-order mark
// if it has one: a column list.
bool BeginsAsColumnList(std::string_view bytes);
