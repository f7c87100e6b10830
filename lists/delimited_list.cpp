#include "lists/delimited_list.h"

#include "engine/job_control.h"
#include "engine/job_state.h"
#include "lists/delimited_list_parser.h"
#include "lists/entry_check.h"
#include "lists/path_rules.h"

void VerifyDelimitedList(CStringList& lines, const std::string& drive, const std::string& dir,
                         const RealListText& real) {
    for (std::size_t index = 0; !lines.IsEmpty(); ++index) {
        const std::string line = lines.RemoveHead();
        JobCheckpoint();
        if (line.empty()) {
            continue;
        }
        if (StopTakesEffect()) {
            return;
        }
        const LineReading reading = ReadDelimitedLine(line);
        if (reading.step == LineStep::Entry) {
            const ListEntry& entry = reading.entry;
            CheckListEntry(
                entry, SplitJoinPath(drive, dir, entry.name), CheckOrder::CrcFirst, entry.name,
                RealListedPath(real, index, entry.name, drive, dir, ListForm::Delimited));
        }
    }
}
