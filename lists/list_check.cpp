#include "lists/list_check.h"

#include "engine/job_control.h"
#include "engine/job_state.h"
#include "framework/cp932.h"
#include "framework/path_parts.h"
#include "lists/entry_check.h"
#include "lists/list_messages.h"
#include "lists/list_reader.h"

namespace {

// A line that reads as two existing files checks neither.
bool RecordedAsTwins(const ListLines& list, const ListEntry& entry, std::size_t line) {
    if (line >= list.twins.size() || list.twins[line].empty()) {
        return false;
    }
    const std::string name = VisibleText(entry.name);
    RecordEntry(name, {0xFFFF, 0, false, TwinReadingsMessage(name, VisibleText(list.twins[line]))});
    return true;
}

}  // namespace

void VerifyListLines(const ListLines& list, ListForm form, const CFileName& listPath) {
    const PathParts where = SplitPath(listPath.Text());
    const CFileName folder = listPath.Folder();
    const ListSummary summary = ReadListEntries(
        list.lines, form, where, [&](const ListEntry& entry, const ListedFile& file) {
            JobCheckpoint();
            if (StopTakesEffect()) {
                return false;
            }
            if (!RecordedAsTwins(list, entry, file.line)) {
                DiskProbe disk(folder,
                               ListedFileName(folder, list.real, file.line, entry.name, form));
                VerifyListEntry(disk, entry, file);
            }
            return true;
        });
    if (summary.stopped) {
        return;
    }
    if (list.textAfterEndMark) {
        g_messageList.AddTail(TextAfterEndMarkMessage(listPath.Text()));
    }
    if (summary.entries > 0 && summary.messageLines > 0) {
        g_messageList.AddTail(RecordedErrorsMessage(listPath.Text(), summary.messageLines));
    }
}
