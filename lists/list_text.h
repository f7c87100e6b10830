#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/containers.h"
#include "lists/list_entry.h"

// How the job runner turns the bytes of a ".txt" or ".crc" list into lines.
// The file is read in binary mode, in pieces that end at line ends; these
// functions apply the rules of each list form to its bytes.

// A list is read in pieces, so memory follows the entries it gives rather
// than its size; the limit lies beyond any list a real tree gives (a report
// of a million files is about 39 MB), where reading it would take minutes.
inline constexpr std::int64_t kListSizeLimit = std::int64_t{1} << 30;

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

// One line of a list, as its readers cut it and as it names files: in code
// page 932, '?' for a character it cannot write.
struct ListLine {
    std::string text;
};

// A list cut into lines once, as its form is cut.
struct ListLines {
    std::vector<ListLine> lines;
    // Per line, the line's characters where the list was written in Unicode;
    // none where each line's text is the line as written (a code page 932
    // list). Kept apart from the lines, so that the lines of a large code
    // page 932 list carry nothing for it.
    std::vector<std::wstring> reals;
    // Each line's text holds its UTF-8 bytes rather than its code page 932
    // text: the other reading of an unmarked list, cut where its bytes stand.
    bool textIsUtf8 = false;
    // Per line, empty where none: the name the line gives in the other
    // reading of an unmarked list (code page 932 or UTF-8), where both
    // readings name existing files.
    std::vector<std::string> otherReadingNames;
    // Non-blank text follows the Ctrl-Z that ends a text list.
    bool textAfterEndMark = false;

    // True when the lines carry their real characters.
    bool IsUnicode() const { return !reals.empty(); }
    // The real characters that the first bytes of a line's text stand for:
    // the real name of an entry its reader cut from the start of the line.
    std::wstring RealStart(std::size_t line, std::size_t bytes) const;
};

// The lines of a list's text as its form cuts them (a delimited list with
// CrcListLines, the others with TextListLines), each line as written.
ListLines CutListText(std::string_view text, ListForm form);

// The lines of a piece of a list's text that ends at a line end, or at the
// end of the list, with no end mark to look for.
ListLines CutListPiece(std::string_view text);

// The end of a text list, followed through its text piece by piece: the
// text before its first Ctrl-Z, and whether anything but white space and
// Ctrl-Z bytes follows it.
class EndMark {
public:
    // The part of the next piece of text that comes before the end mark.
    std::string_view Before(std::string_view piece);
    bool TextAfter() const { return m_textAfter; }

private:
    bool m_reached = false;
    bool m_textAfter = false;
};

// The lines of a delimited ".crc" list, which is read as bytes: a Ctrl-Z
// is data like any other byte.
CStringList CrcListLines(std::string_view bytes);

// True when the first line of a ".txt" list marks it as an SFV-32 list,
// which holds 32-bit CRCs this program does not verify.
bool IsSfv32List(const ListLines& list);

// True when a ".crc" list is in column form: its first 8 bytes are "FileName".
bool IsColumnList(std::string_view bytes);
