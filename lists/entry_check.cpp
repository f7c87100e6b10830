#include "lists/entry_check.h"

#include <fcntl.h>
#include <io.h>

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "lists/entry_outcome.h"

namespace {

// The listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs.
class DiskProbe : public ListedFileProbe {
public:
    std::optional<std::int64_t> Length(const std::string& path) override {
        // A NUL byte would cut the path short and name some other file.
        if (path.find('\0') != std::string::npos) {
            return std::nullopt;
        }
        const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
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
