#pragma once

#include <cstddef>
#include <memory>

#include "engine/job_report.h"
#include "framework/file_name.h"
#include "lists/list_entry.h"
#include "lists/list_reader.h"
#include "lists/list_text.h"

// Verifies every entry of a list's lines against its file on disk, in list
// order, and ends early at a stop. Then names the list in a message when it
// held text after its end mark or lines outside its tables, when a report's
// table does not add up to its total line, or, as a report, the messages of
// a check that failed. listPath: the list as the job received it. Returns
// whether the list gave anything: an entry, or a message about the list.
bool VerifyListLines(const ListLines& list, ListForm form, const CFileName& listPath,
                     CJobReport& report);

class ListEntryChecks;

// The same for a list read in pieces: each piece's entries as it comes,
// then the messages about the list as a whole.
class ListVerification {
public:
    ListVerification(ListForm form, bool holdsReportRule, const CFileName& listPath,
                     CJobReport& report);
    ~ListVerification();
    // False when the job was stopped: read no further piece.
    bool Verify(const ListLines& piece);
    // Whether the list gave anything, as VerifyListLines says.
    bool Finish(bool textAfterEndMark);

private:
    const CFileName& m_listPath;
    ListEntryReader m_reader;
    std::unique_ptr<ListEntryChecks> m_check;
    CJobReport& m_report;
    std::size_t m_lines = 0;  // of the pieces verified before
};
