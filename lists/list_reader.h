#pragma once

#include <cstddef>
#include <functional>
#include <variant>

#include "framework/file_name.h"
#include "lists/column_list_parser.h"
#include "lists/delimited_list_parser.h"
#include "lists/list_entry.h"
#include "lists/list_text.h"
#include "lists/report_list_parser.h"

// The one loop that reads every form of checksum list. The forms differ only
// in how a line becomes an entry, the order of the check, what names the
// file in messages and how its name is joined; a small table of rules per
// form holds that.

// Called for each entry in list order with the file it names; returns false
// to read no further line (the job was stopped).
using EntryVisitor = std::function<bool(const ListEntry& entry, const ListedFile& file)>;

// What a list held besides what it gave the visitor.
struct ListSummary {
    std::size_t entries = 0;
    ListNotes notes;
    bool stopped = false;  // the visitor ended the reading
};

// Reads the entries of a list of the given form lying in folder, piece by
// piece, each piece the lines that follow the last one's. Each entry's file
// is joined once, from the line's real characters, by the form's rule.
// holdsReportRule: a report list holds a rule of the report's own shape
// somewhere (see ReportListParser), which the whole list must be read for.
class ListEntryReader {
public:
    ListEntryReader(ListForm form, bool holdsReportRule, CFileName folder);
    // False when the visitor ended the reading.
    bool Read(const ListLines& piece, const EntryVisitor& visit);
    // The summary, once every piece has been read.
    ListSummary Finish();

private:
    using LineParser = std::variant<ReportListParser, DelimitedListParser, ColumnListParser>;
    ListForm m_form;
    LineParser m_parser;
    CFileName m_folder;
    std::size_t m_linesBefore = 0;  // lines of the pieces read before
    ListSummary m_summary;
};

// True when a line of the list is a rule of a report's own shape.
bool HoldsReportRule(const ListLines& list);

// The entries of a list held whole, as one piece.
ListSummary ReadListEntries(const ListLines& list, ListForm form, const CFileName& folder,
                            const EntryVisitor& visit);

// The text of file below folder: the name as a list line gives it.
std::string NameBelow(const CFileName& folder, const CFileName& file);
