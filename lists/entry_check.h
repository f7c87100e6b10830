#pragma once

#include <cstdint>
#include <string>

#include "lists/entry_outcome.h"
#include "lists/list_entry.h"

// The listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs, by its exact name.
class DiskProbe : public ListedFileProbe {
public:
    // realPath, when given, is the file's name in place of every path asked.
    explicit DiskProbe(const std::wstring& realPath = {}) : m_realPath(realPath) {}
    ProbedLength Length(const std::string& path) override;
    std::uint16_t Crc(const std::string& path, std::int64_t& bytesRead) override;

private:
    std::wstring m_realPath;
};

// Verifies one listed file and records it in the job state: one row (name,
// CRC or 0xFFFF, size or 0), the name in the failed list unless it matched,
// and one message when it did not. subject names the file in the read-error
// and size messages (the entry's name, or its path for column lists).
// realPath: the file's real path when code page 932 cannot write it.
void CheckListedFile(const std::string& name, std::uint16_t listedCrc, std::int64_t listedSize,
                     const std::string& path, CheckOrder order, const std::string& subject,
                     const std::wstring& realPath = {});

// Verifies an entry as a list reader cut it from its line against the file
// on disk (see VerifyListEntry).
void CheckListEntry(const ListEntry& entry, const std::string& path, CheckOrder order,
                    const std::string& subject, const std::wstring& realPath = {});
