#pragma once

#include <cstdint>
#include <optional>

#include "framework/file_name.h"
#include "framework/file_system/file_open.h"
#include "lists/entry_outcome.h"

// The one door to the files a list names: every listed file is looked up
// and opened here, by its real name.

// True when a path a list in listFolder gave leads to a file, not to a
// network share or a device (see ClassifyListedPath): the test every open
// and every probe of a listed name passes first.
bool IsListedFile(const CFileName& listFolder, const CFileName& path);

// A listed file on disk, opened the way ComputeFileCrc opens it: binary,
// sharing read and write access with other programs. A path that leads to
// no file is never tried. The file is opened once, for its length and its
// CRC both: under Wine an open costs more than reading a small file.
class DiskProbe : public ListedFileProbe {
public:
    DiskProbe(const CFileName& listFolder, CFileName file)
        : m_file(std::move(file)), m_isFile(IsListedFile(listFolder, m_file)) {}
    ProbedLength Length() override;
    std::uint16_t Crc(std::int64_t& bytesRead) override;

private:
    const CReadFile& Opened();

    CFileName m_file;
    bool m_isFile;
    std::optional<CReadFile> m_opened;
};

// True when file, named by a list in listFolder, is an existing file (not
// a folder); a path that leads to a share or a device is not asked after.
bool ListedFileExists(const CFileName& listFolder, const CFileName& file);
