#include "framework/file_system/file_find.h"

#include <windows.h>

#include <optional>

#include "framework/file_system/file_kind.h"
#include "framework/file_system/system_path.h"

// The wide functions with the system's form of the pattern: a folder deeper
// than an ordinary path reaches is searched too, and names come back whole.

CFileFind::~CFileFind() {
    Close();
}

bool CFileFind::FindFile(const CFileName& pattern) {
    Close();
    OpenFailure why;
    const std::optional<std::wstring> system = SystemPath(pattern, &why);
    if (!system) {
        // The system's own reason, had it been asked: the folder is unreadable.
        SetLastError(why == OpenFailure::PathTooLong ? ERROR_FILENAME_EXCED_RANGE
                                                     : ERROR_INVALID_NAME);
        return false;
    }
    WIN32_FIND_DATAW entry;
    HANDLE handle = FindFirstFileW(system->c_str(), &entry);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    m_handle = handle;
    Take(&entry);
    return true;
}

bool CFileFind::FindNext() {
    WIN32_FIND_DATAW entry;
    if (m_handle == nullptr || !FindNextFileW(m_handle, &entry)) {
        return false;
    }
    Take(&entry);
    return true;
}

void CFileFind::Take(const void* found) {
    const auto* entry = static_cast<const WIN32_FIND_DATAW*>(found);
    m_realName = entry->cFileName;
    m_attributes = entry->dwFileAttributes;
    m_length = JoinedSize(entry->nFileSizeHigh, entry->nFileSizeLow);
}

void CFileFind::Close() {
    if (m_handle != nullptr) {
        FindClose(m_handle);
        m_handle = nullptr;
    }
    m_realName.clear();
    m_attributes = 0;
    m_length = 0;
}

bool CFileFind::IsDirectory() const {
    return (m_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CFileFind::IsReparsePoint() const {
    return (m_attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}
