#pragma once

#include <cstdint>

#include "framework/file_name.h"

// Why a file could not be opened.
enum class OpenFailure {
    None,
    CannotOpen,   // missing, no access, a folder, a device, ...
    PathTooLong,  // the system refused the path for its length
    NotAFile,     // a network share or a device that a list named: not tried
};

// A file opened for reading in binary mode, front to back, sharing read and
// write access with other programs, by its exact name and whatever its
// length the system takes, kept as the system's own handle and closed when
// the object goes. A device or a pipe is not opened: it would yield no
// checksum of a file, and may never end.
class CReadFile {
public:
    explicit CReadFile(const CFileName& path);
    ~CReadFile();
    CReadFile(const CReadFile&) = delete;
    CReadFile& operator=(const CReadFile&) = delete;

    bool IsOpen() const;
    OpenFailure Failure() const { return m_failure; }
    // The length in bytes, or -1 when it cannot be had.
    std::int64_t Length() const;
    // Up to capacity bytes: their count, 0 at the end, or -1 on a read error.
    std::int64_t Read(void* buffer, std::size_t capacity) const;

private:
    OpenFailure m_failure = OpenFailure::None;
    void* m_file;  // a HANDLE
};
