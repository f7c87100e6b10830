#include "lists/entry_check.h"

#include <io.h>

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "framework/file_open.h"
#include "lists/entry_outcome.h"

namespace {

// The listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs, by its exact name.
class DiskProbe : public ListedFileProbe {
public:
    std::optional<std::int64_t> Length(const std::string& path) override {
        const int fd = OpenFileForReading(path);
        if (fd < 0) {
            return std::nullopt;
        }
        const std::int64_t length = _filelengthi64(fd);
        _close(fd);
        if (length < 0) {
            return std::nullopt;
        }
        return length;
    }
    std::uint16_t Crc(const std::string& path, std::int64_t& bytesRead) override {
        return ComputeFileCrc(path, &bytesRead);
    }
};

}  // namespace

void CheckListedFile(const std::string& name, std::uint16_t listedCrc, std::int64_t listedSize,
                     const std::string& path, CheckOrder order, const std::string& subject) {
    JobInputCheckpoint(path);
    DiskProbe disk;
    RecordEntry(name, CompareListedFile(disk, name, listedCrc, listedSize, path, order, subject));
}

void CheckListEntry(const ListEntry& entry, const std::string& path, CheckOrder order,
                    const std::string& subject) {
    if (entry.fault == EntryFault::None) {
        CheckListedFile(entry.name, entry.crc, entry.size, path, order, subject);
    } else {
        RecordEntry(entry.name, FaultyEntryOutcome(entry, subject));
    }
}
