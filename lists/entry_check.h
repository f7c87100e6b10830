#pragma once

#include <cstdint>

#include "framework/file_name.h"
#include "lists/entry_outcome.h"

// The one door to the files a list names: every listed file is looked up
// and opened here, by its real name.

// A listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs.
class DiskProbe : public ListedFileProbe {
public:
    explicit DiskProbe(CFileName file) : m_file(std::move(file)) {}
    ProbedLength Length() override;
    std::uint16_t Crc(std::int64_t& bytesRead) override;

private:
    CFileName m_file;
};

// True when file names an existing file (not a folder).
bool ListedFileExists(const CFileName& file);
