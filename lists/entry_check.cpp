#include "lists/entry_check.h"

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "framework/file_open.h"

ProbedLength DiskProbe::Length(const std::string& path) {
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

std::uint16_t DiskProbe::Crc(const std::string& path, std::int64_t& bytesRead) {
    return ComputeFileCrc(path, &bytesRead, m_realPath);
}

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

void CheckListEntry(const ListEntry& entry, const std::string& path, CheckOrder order,
                    const std::string& subject, const std::wstring& realPath) {
    DiskProbe disk(realPath);
    VerifyListEntry(disk, entry, {0, path, subject, order});
}
