#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/containers.h"
#include "lists/list_entry.h"

// How the job runner turns the bytes of a ".txt" or ".crc" list into lines.
// The file is read whole, in binary mode; these functions apply the rules of
// each list form to its bytes.

// A list is decoded whole into its lines, about ten times its size in
// memory: 256 MiB holds the report of millions of files, while a hostile
// list stays within what any machine can give.
inline constexpr std::int64_t kListSizeLimit = std::int64_t{256} << 20;

// The lines of a list's text. Every CR and every LF ends a line, so that a
// list reads the same whichever convention it was written in (CR LF, LF,
// LF CR); a last line needs no line end. Empty lines are left out: no list
// form gives them a meaning, and no file name can hold a line end.
CStringList CutListLines(std::string_view text);

// The lines of a ".txt" list or a column ".crc" list, which are text: a
// first Ctrl-Z ends them.
CStringList TextListLines(std::string_view bytes);

// True when a text list holds more than white space and Ctrl-Z bytes after
// the Ctrl-Z that ends it: lines its reader never sees.
bool HoldsTextAfterEndMark(std::string_view bytes);

// One line of a list, as its readers cut it and as it names files.
struct ListLine {
    std::string text;  // in code page 932, '?' for a character it cannot write
    // The line's characters where the list was written in Unicode; empty
    // where text is the line as written (a code page 932 list).
    std::wstring real;
    // text holds the line's UTF-8 bytes rather than its code page 932 text:
    // the other reading of an unmarked list, cut where its bytes stand.
    bool textIsUtf8 = false;

    // The real characters that the first bytes of text stand for: the real
    // name of an entry its reader cut from the start of the line.
    std::wstring RealStart(std::size_t bytes) const;
};

// A list cut into lines once, as its form is cut.
struct ListLines {
    std::vector<ListLine> lines;
    // Per line, empty where none: the name the line gives in the other
    // reading of an unmarked list (code page 932 or UTF-8), where both
    // readings name existing files.
    std::vector<std::string> otherReadingNames;
    // Non-blank text follows the Ctrl-Z that ends a text list.
    bool textAfterEndMark = false;
};

// The lines of a list's text as its form cuts them (a delimited list with
// CrcListLines, the others with TextListLines), each line as written.
ListLines CutListText(std::string_view text, ListForm form);

// The lines of a delimited ".crc" list, which is read as bytes: a Ctrl-Z
// is data like any other byte.
CStringList CrcListLines(std::string_view bytes);

// True when the first line of a ".txt" list marks it as an SFV-32 list,
// which holds 32-bit CRCs this program does not verify.
bool IsSfv32List(const ListLines& list);

// True when a ".crc" list is in column form: its first 8 bytes are "FileName".
bool IsColumnList(std::string_view bytes);
