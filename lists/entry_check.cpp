#include "lists/entry_check.h"

#include <windows.h>

#include "engine/file_crc.h"
#include "framework/file_open.h"

ProbedLength DiskProbe::Length() {
    const CReadFile file(m_file);
    if (!file.IsOpen()) {
        return {std::nullopt, file.Failure()};
    }
    const std::int64_t length = file.Length();
    if (length < 0) {
        return {std::nullopt, OpenFailure::CannotOpen};
    }
    return {length, OpenFailure::None};
}

std::uint16_t DiskProbe::Crc(std::int64_t& bytesRead) {
    return ComputeFileCrc(m_file, &bytesRead);
}

bool ListedFileExists(const CFileName& file) {
    const DWORD attributes = GetFileAttributesW(file.SystemPath().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
