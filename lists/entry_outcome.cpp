#include "lists/entry_outcome.h"

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_report.h"
#include "framework/cp932.h"
#include "lists/entry_messages.h"

namespace {

constexpr std::uint16_t kNoCrc = 0xFFFF;

std::string CannotOpenMessage(OpenFailure failure, const std::string& messageName) {
    switch (failure) {
        case OpenFailure::PathTooLong:
            return PathTooLongMessage(messageName);
        case OpenFailure::NotAFile:
            return NotAFileMessage(messageName);
        case OpenFailure::None:
        case OpenFailure::CannotOpen:
            break;
    }
    return ReadErrorMessage(messageName);
}

std::string CrcFailureMessage(CrcFailure failure, const std::string& messageName) {
    return failure == CrcFailure::NoBuffer ? NoMemoryMessage(messageName)
                                           : ReadErrorMessage(messageName);
}

}  // namespace

std::optional<EntryOutcome> CompareListedFile(ListedFileProbe& probe, const std::string& name,
                                              std::uint16_t listedCrc, std::int64_t listedSize,
                                              CheckOrder order, const std::string& messageName) {
    const ProbedLength probed = probe.Length();
    if (!probed.bytes) {
        return EntryOutcome{kNoCrc, 0, false, CannotOpenMessage(probed.failure, messageName)};
    }
    const std::int64_t length = *probed.bytes;
    if (order == CheckOrder::SizeFirst && length != listedSize) {
        return EntryOutcome{kNoCrc, length, false,
                            SizeMismatchMessage(messageName, listedSize, length)};
    }
    std::uint16_t crc = kNoCrc;
    std::int64_t bytesRead = 0;
    try {
        crc = probe.Crc(bytesRead);
    } catch (const FileCrcError& error) {
        if (error.Failure() == CrcFailure::Stopped) {
            return std::nullopt;
        }
        // Gone since its length was taken, or failing part-way: what was
        // read is not the file, so it is recorded as unreadable.
        return EntryOutcome{kNoCrc, 0, false, CrcFailureMessage(error.Failure(), messageName)};
    }
    if (bytesRead != length) {
        // Cut or grown while it was read: its length and its CRC describe
        // two different files, and neither may stand in the row.
        return EntryOutcome{kNoCrc, 0, false, ReadErrorMessage(messageName)};
    }
    if (crc == listedCrc) {
        return EntryOutcome{crc, length, true, {}};
    }
    if (order == CheckOrder::CrcFirst && length != listedSize) {
        return EntryOutcome{crc, length, false,
                            SizeMismatchMessage(messageName, listedSize, length)};
    }
    return EntryOutcome{crc, length, false, CrcMismatchMessage(name, listedCrc, crc)};
}

EntryOutcome FaultyEntryOutcome(const ListEntry& entry, const std::string& messageName) {
    // A line without a name is named by its own text.
    const std::string& named = entry.fault == EntryFault::NoName ? entry.name : messageName;
    return {kNoCrc, 0, false, EntryFaultMessage(entry.fault, named)};
}

void RecordEntry(const std::string& name, const EntryOutcome& outcome, CJobReport& report) {
    // Everything goes in together once the file has been measured, so the
    // rows stay parallel whatever happened on the way.
    report.AddRow(name, outcome.crc, outcome.size);
    if (!outcome.matched) {
        report.MarkFailed(name);
    }
    if (!outcome.message.empty()) {
        report.AddMessage(outcome.message);
    }
}

// Names come from list text, which may hold anything: shown with their
// control bytes made visible, they can never break a report line in two.
void VerifyListEntry(ListedFileProbe& probe, const ListEntry& entry, const ListedFile& file,
                     CJobReport& report) {
    const std::string name = VisibleText(entry.name);
    const std::string messageName = VisibleText(file.MessageName(entry));
    if (entry.fault != EntryFault::None) {
        RecordEntry(name, FaultyEntryOutcome({name, 0, 0, entry.fault}, messageName), report);
        return;
    }
    JobListedFileCheckpoint(file.file.Text(), entry.size);
    const std::optional<EntryOutcome> outcome =
        CompareListedFile(probe, name, entry.crc, entry.size, file.order, messageName);
    if (!outcome) {
        return;
    }
    RecordEntry(name, *outcome, report);
    if (!file.rowIsExact) {
        report.AddMessage(UnwritableNameMessage(messageName));
    }
}
