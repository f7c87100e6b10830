#include "lists/list_check.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/job_control.h"
#include "engine/job_state.h"
#include "engine/path_message.h"
#include "framework/cp932.h"
#include "lists/checked_files.h"
#include "lists/entry_check.h"
#include "lists/list_messages.h"
#include "lists/list_reader.h"

class ListEntryChecks {
public:
    ListEntryChecks(const CFileName& listPath, CJobReport& report)
        : m_listPath(listPath), m_folder(listPath.Folder()), m_report(report) {}

    // The piece of the list whose entries come next, and its first line's.
    void SetPiece(const ListLines& piece, std::size_t firstLine) {
        m_piece = &piece;
        m_firstLine = firstLine;
    }

    void Check(const ListEntry& entry, const ListedFile& listed) {
        if (ReadsAsTwoFiles(entry, listed.line - m_firstLine)) {
            return;
        }
        ListedFile file = listed;
        if (!ChooseReading(entry, file)) {
            return;
        }
        if (entry.fault == EntryFault::None && !m_checked.Add(file.file)) {
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
        const std::vector<std::string>& otherNames = m_piece->otherReadingNames;
        if (line >= otherNames.size() || otherNames[line].empty()) {
            return false;
        }
        RecordUnchecked(entry,
                        TwoReadingsMessage(VisibleText(entry.name), VisibleText(otherNames[line])));
        return true;
    }

    const ListLines* m_piece = nullptr;
    std::size_t m_firstLine = 0;
    const CFileName& m_listPath;
    const CFileName m_folder;
    CJobReport& m_report;
    CheckedFiles m_checked;
};

namespace {

// The messages about the list as a whole, after its entries.
// False when there were none.
bool AddListMessages(bool textAfterEndMark, const ListSummary& summary, const std::string& path,
                     CJobReport& report) {
    const std::size_t before = report.MessageCount();
    if (textAfterEndMark) {
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

ListVerification::ListVerification(ListForm form, bool holdsReportRule, const CFileName& listPath,
                                   CJobReport& report)
    : m_listPath(listPath),
      m_reader(form, holdsReportRule, listPath.Folder()),
      m_check(std::make_unique<ListEntryChecks>(listPath, report)),
      m_report(report) {}

ListVerification::~ListVerification() = default;

bool ListVerification::Verify(const ListLines& piece) {
    m_check->SetPiece(piece, std::exchange(m_lines, m_lines + piece.lines.size()));
    return m_reader.Read(piece, [this](const ListEntry& entry, const ListedFile& file) {
        JobCheckpoint();
        if (StopTakesEffect()) {
            return false;
        }
        m_check->Check(entry, file);
        return true;
    });
}

bool ListVerification::Finish(bool textAfterEndMark) {
    const ListSummary summary = m_reader.Finish();
    const bool namedList =
        !summary.stopped && AddListMessages(textAfterEndMark, summary, m_listPath.Text(), m_report);
    return summary.entries > 0 || namedList;
}

bool VerifyListLines(const ListLines& list, ListForm form, const CFileName& listPath,
                     CJobReport& report) {
    ListVerification verification(form, form == ListForm::Report && HoldsReportRule(list), listPath,
                                  report);
    verification.Verify(list);
    return verification.Finish(list.textAfterEndMark);
}
