#pragma once

#include <cstdint>
#include <string>

#include "framework/file_name.h"
#include "lists/entry_outcome.h"

// True when a path a list in listFolder gave leads to a file, not to a
// network share or a device (see ClassifyListedPath): the test every open
// and every probe of a listed name passes first.
bool IsListedFile(const CFileName& listFolder, const CFileName& path);

// A listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs, by its real name
// whatever path the comparison names it by. A path that leads to no file
// is never tried.
class DiskProbe : public ListedFileProbe {
public:
    DiskProbe(const CFileName& listFolder, CFileName file)
        : m_file(std::move(file)), m_isFile(IsListedFile(listFolder, m_file)) {}
    ProbedLength Length(const std::string& path) override;
    std::uint16_t Crc(const std::string& path, std::int64_t& bytesRead) override;

private:
    CFileName m_file;
    bool m_isFile;
};
