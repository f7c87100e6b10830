#include "lists/delimited_list.h"

#include "engine/job_control.h"
#include "engine/job_state.h"
#include "lists/delimited_list_parser.h"
#include "lists/entry_check.h"
#include "lists/path_rules.h"

void VerifyDelimitedList(CStringList& lines, const std::string& drive, const std::string& dir) {
    while (!lines.IsEmpty()) {
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
            CheckListEntry(entry, SplitJoinPath(drive, dir, entry.name), CheckOrder::CrcFirst,
                           entry.name);
        }
    }
}
