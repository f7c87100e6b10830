#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/job_report.h"
#include "framework/file_system/file_open.h"
#include "lists/list_entry.h"

// The length of a listed file, or why it could not be opened.
struct ProbedLength {
    std::optional<std::int64_t> bytes;  // nothing when the file cannot be opened
    OpenFailure failure = OpenFailure::CannotOpen;
};

// How the check of a listed file reaches the one file it was made for.
class ListedFileProbe {
public:
    virtual ~ListedFileProbe() = default;
    virtual ProbedLength Length() = 0;
    // The file's CRC-16 and how many bytes it covers; throws FileCrcError
    // when the file cannot be read whole.
    virtual std::uint16_t Crc(std::int64_t& bytesRead) = 0;
};

// What the check of one entry leaves besides its name: the row's CRC
// (0xFFFF when none was computed) and size (0 when the file could not be
// read), whether it matched, and its message (empty when it matched).
struct EntryOutcome {
    std::uint16_t crc = 0xFFFF;
    std::int64_t size = 0;
    bool matched = false;
    std::string message;
    bool operator==(const EntryOutcome&) const = default;
};

// Compares the probe's file with its listed CRC and size in the given
// order. messageName names the file in the read-error and size messages.
// Nothing when the job was stopped while the file was being read: the
// entry is then not recorded at all.
std::optional<EntryOutcome> CompareListedFile(ListedFileProbe& probe, const std::string& name,
                                              std::uint16_t listedCrc, std::int64_t listedSize,
                                              CheckOrder order, const std::string& messageName);

// The outcome of an entry whose line could not be read whole: failed, with
// no CRC, size 0 and the message that says what is wrong with the line.
EntryOutcome FaultyEntryOutcome(const ListEntry& entry, const std::string& messageName);

// Records an entry in report: its row, its name as failed unless it
// matched, and its message.
void RecordEntry(const std::string& name, const EntryOutcome& outcome, CJobReport& report);

// Verifies an entry as a list reader cut it from its line against the file
// that probe reaches, file.file, and records it. An entry whose line could
// not be read whole is recorded as failed without looking at the file: a
// row with CRC 0xFFFF and size 0, its name in the failed list and a message
// that names what is wrong with the line. A file whose name code page 932
// cannot write is checked, and a message says a saved report cannot name it.
void VerifyListEntry(ListedFileProbe& probe, const ListEntry& entry, const ListedFile& file,
                     CJobReport& report);
