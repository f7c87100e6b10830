#include "lists/entry_check.h"

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "framework/cp932.h"
#include "framework/file_open.h"
#include "lists/entry_outcome.h"

namespace {

// The listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs, by its exact name.
class DiskProbe : public ListedFileProbe {
public:
    // realPath, when given, is the file's name in place of every path asked.
    explicit DiskProbe(const std::wstring& realPath) : m_realPath(realPath) {}
    ProbedLength Length(const std::string& path) override {
        const CReadFile file(path, m_realPath);
        if (!file.IsOpen()) {
            return {std::nullopt, file.Failure()};
        }
        const std::int64_t length = file.Length();
        if (length < 0) {
            return {std::nullopt, OpenFailure::CannotOpen};
        }
        return {length, OpenFailure::None};
    }
    std::uint16_t Crc(const std::string& path, std::int64_t& bytesRead) override {
        return ComputeFileCrc(path, &bytesRead, m_realPath);
    }

private:
    const std::wstring& m_realPath;
};

}  // namespace

void CheckListedFile(const std::string& name, std::uint16_t listedCrc, std::int64_t listedSize,
                     const std::string& path, CheckOrder order, const std::string& subject,
                     const std::wstring& realPath) {
    JobInputCheckpoint(path);
    DiskProbe disk(realPath);
    const std::optional<EntryOutcome> outcome =
        CompareListedFile(disk, name, listedCrc, listedSize, path, order, subject);
    if (outcome) {
        RecordEntry(name, *outcome);
    }
}

// Names come from list text, which may hold anything: shown with their
// control bytes made visible, they can never break a report line in two.
void CheckListEntry(const ListEntry& entry, const std::string& path, CheckOrder order,
                    const std::string& subject, const std::wstring& realPath) {
    const std::string name = VisibleText(entry.name);
    if (entry.fault == EntryFault::None) {
        CheckListedFile(name, entry.crc, entry.size, path, order, VisibleText(subject), realPath);
    } else {
        RecordEntry(name, FaultyEntryOutcome({name, 0, 0, entry.fault}, VisibleText(subject)));
    }
}
