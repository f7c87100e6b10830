#pragma once

#include "engine/job_report.h"
#include "framework/file_name.h"
#include "lists/list_entry.h"
#include "lists/list_text.h"

// Verifies every entry of a list's lines against its file on disk, in list
// order, and ends early at a stop. Then names the list in a message when it
// held text after its end mark or lines outside its tables, when a report's
// table does not add up to its total line, or, as a report, the messages of
// a check that failed. listPath: the list as the job received it. Returns
// whether the list gave anything: an entry, or a message about the list.
bool VerifyListLines(const ListLines& list, ListForm form, const CFileName& listPath,
                     CJobReport& report);
