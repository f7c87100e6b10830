#include "lists/list_check.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "engine/job_control.h"
#include "engine/job_state.h"
#include "engine/path_message.h"
#include "framework/cp932.h"
#include "framework/wide_path.h"
#include "lists/entry_check.h"
#include "lists/list_messages.h"
#include "lists/list_reader.h"

namespace {

// A file reached by two of its names (ASCII case, "." and ".." steps, '/')
// has one key: the full path the file functions take, in upper case.
// Names ordinary paths do not reach as written keep their verbatim form,
// so "x." and "x", or "nul.txt" and the device, stay apart.
std::wstring SameFileKey(const CFileName& file) {
    const std::wstring system = file.SystemPath();
    std::wstring full = system.starts_with(L"\\\\?\\") ? system : FullPath(system);
    if (full.empty()) {
        full = system;
    }
    std::wstring key(full.size(), L'\0');
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.data(),
                                     static_cast<int>(full.size()), key.data(),
                                     static_cast<int>(key.size()), nullptr, nullptr, 0);
    return length == static_cast<int>(key.size()) ? key : full;
}

class ListCheck {
public:
    ListCheck(const ListLines& list, const CFileName& listPath, CJobReport& report)
        : m_list(list), m_listPath(listPath), m_folder(listPath.Folder()), m_report(report) {}

    void Check(const ListEntry& entry, const ListedFile& listed) {
        if (ReadsAsTwoFiles(entry, listed.line)) {
            return;
        }
        ListedFile file = listed;
        if (!ChooseReading(entry, file)) {
            return;
        }
        if (entry.fault == EntryFault::None && !m_checked.insert(SameFileKey(file.file)).second) {
            RecordUnchecked(entry,
                            FormatPathMessage(CatalogMessage::ListSameFileTwice, m_listPath.Text(),
                                              VisibleText(file.MessageName(entry))));
            return;
        }
        DiskProbe disk(m_folder, file.file);
        VerifyListEntry(disk, entry, file, m_report);
    }

private:
    // Records an entry that names two files, or one already checked: failed,
    // with no CRC and size 0, and the message that says why.
    void RecordUnchecked(const ListEntry& entry, std::string message) {
        RecordEntry(VisibleText(entry.name), {0xFFFF, 0, false, std::move(message)}, m_report);
    }

    // Where the form trimmed blanks from the name, the trimmed file is
    // checked, or, where it does not exist, the file as written (whose name
    // may hold the blanks); where both exist, neither. A line that cannot
    // be read names its file as written. False when the entry is recorded.
    bool ChooseReading(const ListEntry& entry, ListedFile& file) {
        if (!file.asWritten) {
            return true;
        }
        const CFileName written = *std::exchange(file.asWritten, std::nullopt);
        if (entry.fault != EntryFault::None || !ListedFileExists(m_folder, file.file)) {
            file.file = written;
            return true;
        }
        if (!ListedFileExists(m_folder, written)) {
            return true;
        }
        RecordUnchecked(
            entry, TwoReadingsMessage(VisibleText(entry.name), NameBelow(m_folder, file.file)));
        return false;
    }

    // A line that reads as two existing files in two encodings checks neither.
    bool ReadsAsTwoFiles(const ListEntry& entry, std::size_t line) {
        if (line >= m_list.otherReadingNames.size() || m_list.otherReadingNames[line].empty()) {
            return false;
        }
        RecordUnchecked(entry, TwoReadingsMessage(VisibleText(entry.name),
                                                  VisibleText(m_list.otherReadingNames[line])));
        return true;
    }

    const ListLines& m_list;
    const CFileName& m_listPath;
    const CFileName m_folder;
    CJobReport& m_report;
    std::set<std::wstring> m_checked;  // by SameFileKey
};

// The messages about the list as a whole, after its entries.
// False when there were none.
bool AddListMessages(const ListLines& list, const ListSummary& summary, const std::string& path,
                     CJobReport& report) {
    const std::size_t before = report.MessageCount();
    if (list.textAfterEndMark) {
        report.AddMessage(TextAfterEndMarkMessage(path));
    }
    if (summary.notes.linesOutside > 0) {
        report.AddMessage(FormatPathMessage(CatalogMessage::ListLinesOutside, path,
                                            std::to_string(summary.notes.linesOutside)));
    }
    if (summary.notes.unbalancedTables > 0) {
        report.AddMessage(FormatPathMessage(CatalogMessage::ListTotalDiffers, path));
    }
    if (summary.entries > 0 && summary.notes.messageLines > 0) {
        report.AddMessage(RecordedErrorsMessage(path, summary.notes.messageLines));
    }
    return report.MessageCount() > before;
}

}  // namespace

bool VerifyListLines(const ListLines& list, ListForm form, const CFileName& listPath,
                     CJobReport& report) {
    ListCheck check(list, listPath, report);
    const ListSummary summary = ReadListEntries(
        list, form, listPath.Folder(), [&check](const ListEntry& entry, const ListedFile& file) {
            JobCheckpoint();
            if (StopTakesEffect()) {
                return false;
            }
            check.Check(entry, file);
            return true;
        });
    const bool namedList =
        !summary.stopped && AddListMessages(list, summary, listPath.Text(), report);
    return summary.entries > 0 || namedList;
}
