#pragma once

#include <cstddef>
#include <functional>

#include "framework/file_name.h"
#include "lists/list_entry.h"
#include "lists/list_text.h"

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

// Reads the lines of a list of the given form lying in folder. Each entry's
// file is joined once, from the line's real characters, by the form's rule.
ListSummary ReadListEntries(const ListLines& list, ListForm form, const CFileName& folder,
                            const EntryVisitor& visit);

// The text of file below folder: the name as a list line gives it.
std::string NameBelow(const CFileName& folder, const CFileName& file);
