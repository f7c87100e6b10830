#pragma once

#include <cstdint>
#include <string>

#include "framework/file_name.h"
#include "lists/entry_outcome.h"

// A listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs, by its real name
// whatever path the comparison names it by.
class DiskProbe : public ListedFileProbe {
public:
    explicit DiskProbe(CFileName file) : m_file(std::move(file)) {}
    ProbedLength Length(const std::string& path) override;
    std::uint16_t Crc(const std::string& path, std::int64_t& bytesRead) override;

private:
    CFileName m_file;
};
