#include "lists/entry_check.h"

#include "engine/file_crc.h"
#include "framework/file_system/file_kind.h"
#include "framework/file_system/file_open.h"
#include "framework/file_system/full_path.h"
#include "lists/listed_place.h"

// The folder as the system resolves it: a list named "sums.crc" in a
// current folder on a share lies on that share.
bool IsListedFile(const CFileName& listFolder, const CFileName& path) {
    const std::wstring folder = FullPath(listFolder.IsEmpty() ? L"." : listFolder.Real());
    return ClassifyListedPath(folder, path.Real()) == ListedPlace::File;
}

ProbedLength DiskProbe::Length() {
    if (!m_isFile) {
        return {std::nullopt, OpenFailure::NotAFile};
    }
    const CReadFile& file = Opened();
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
    return ComputeOpenFileCrc(Opened(), m_file.Text(), &bytesRead);
}

const CReadFile& DiskProbe::Opened() {
    if (!m_opened) {
        m_opened.emplace(m_file);
    }
    return *m_opened;
}

bool ListedFileExists(const CFileName& listFolder, const CFileName& file) {
    if (!IsListedFile(listFolder, file)) {
        return false;
    }
    return IsExistingFile(file);
}
