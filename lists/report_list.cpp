#include "lists/report_list.h"

#include <algorithm>

#include "engine/job_control.h"
#include "engine/job_state.h"
#include "lists/entry_check.h"
#include "lists/path_rules.h"
#include "lists/report_list_parser.h"

void VerifyReportList(CStringList& lines, const std::string& drive, const std::string& dir,
                      const RealListText& real) {
    ReportListParser parser(
        std::any_of(lines.begin(), lines.end(), ReportListParser::IsReportRule));
    for (std::size_t index = 0; !lines.IsEmpty(); ++index) {
        const std::string line = lines.RemoveHead();
        JobCheckpoint();
        if (StopTakesEffect()) {
            return;
        }
        const LineReading reading = parser.Read(line);
        if (reading.step == LineStep::End) {
            return;
        }
        if (reading.step == LineStep::Entry) {
            const ListEntry& entry = reading.entry;
            CheckListEntry(entry, SplitJoinPath(drive, dir, entry.name), CheckOrder::SizeFirst,
                           entry.name,
                           RealListedPath(real, index, entry.name, drive, dir, ListForm::Report));
        }
    }
}
