#pragma once

#include <cstddef>
#include <functional>

#include "framework/containers.h"
#include "framework/path_parts.h"
#include "lists/list_entry.h"

// The one loop that reads every form of checksum list. The forms differ only
// in how a line becomes an entry, the order of the check, what names the
// file in messages and how its path is built; a small table of rules per
// form holds that.

// Called for each entry in list order with where its file is looked for;
// returns false to read no further line (the job was stopped).
using EntryVisitor = std::function<bool(const ListEntry& entry, const ListedFile& file)>;

// What a list held besides what it gave the visitor.
struct ListSummary {
    std::size_t entries = 0;
    std::size_t messageLines = 0;  // message lines of the job that wrote a report
    bool stopped = false;          // the visitor ended the reading
};

// Reads the lines of a list of the given form lying in the folder where
// (the drive and folder of the list's path).
ListSummary ReadListEntries(const CStringList& lines, ListForm form, const PathParts& where,
                            const EntryVisitor& visit);
