#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "framework/file_name.h"
#include "lists/list_encoding.h"
#include "lists/list_entry.h"
#include "lists/list_reader.h"
#include "lists/list_text.h"

// A list's text piece by piece, each piece whole lines: take(piece) for
// each in order, until it returns false. Each call reads the list anew.
using PieceTaker = std::function<bool(std::string_view piece)>;
using ListPieceSource = std::function<void(const PieceTaker& take)>;

// What a first reading of the whole list settles before any entry is read.
struct ListSurvey {
    ListForm form = ListForm::Report;
    UnmarkedEncoding unmarked;  // what the text can be, if it has no byte-order mark
    bool hasLines = false;
    bool sfv32 = false;  // its first line marks an SFV-32 list
    bool holdsReportRule = false;
    bool textAfterEndMark = false;
};

// form: the list's form unless it begins with "FileName" and mayBeColumn.
ListSurvey SurveyList(const ListPieceSource& pieces, ListForm form, bool mayBeColumn);

// A list's pieces decoded into lines as its reader takes them: each line's
// code page 932 text and, where the list was written in Unicode, its real
// characters. A list with a byte-order mark is decoded from UTF-8 or
// UTF-16, the mark left out. One without a mark that is valid UTF-8 holding
// non-ASCII characters is read as UTF-8, unless, read as code page 932, it
// names a file that exists where the list looks for it: so every code page
// 932 list that names its files keeps its reading. Characters code page 932
// cannot write become '?' in the text. A line of an unmarked list whose two
// readings name two existing files keeps the other reading's name beside it.
class ListDecoder {
public:
    // encoding: the list's, by its mark or by the survey. An unmarked list
    // that may be UTF-8 is read once more here, to choose its reading.
    ListDecoder(TextEncoding encoding, const ListSurvey& survey, const CFileName& listPath,
                const ListPieceSource& pieces);
    // The lines of the next piece; the text after a text list's end mark
    // gives none.
    ListLines Decode(std::string_view piece);

private:
    ListLines Reading(std::string_view text, bool utf8, bool asBytes = false) const;
    std::map<std::size_t, std::string> OtherReadingNames(const ListLines& chosen, const ListLines& other);

    bool m_utf8;  // the lines are read as UTF-8
    bool m_textForm;
    CFileName m_folder;
    EndMark m_end;
    // For an unmarked list that may be UTF-8: the entries of both readings.
    std::optional<ListEntryReader> m_chosenNames;
    std::optional<ListEntryReader> m_otherNames;
    std::size_t m_linesBefore = 0;
};
