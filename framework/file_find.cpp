#include "framework/file_find.h"

#include <windows.h>

CFileFind::~CFileFind() {
    Close();
}

bool CFileFind::FindFile(const std::string& pattern) {
    Close();
    WIN32_FIND_DATAA entry;
    HANDLE handle = FindFirstFileA(pattern.c_str(), &entry);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    m_handle = handle;
    m_name = entry.cFileName;
    m_attributes = entry.dwFileAttributes;
    return true;
}

bool CFileFind::FindNext() {
    WIN32_FIND_DATAA entry;
    if (m_handle == nullptr || !FindNextFileA(m_handle, &entry)) {
        return false;
    }
    m_name = entry.cFileName;
    m_attributes = entry.dwFileAttributes;
    return true;
}

void CFileFind::Close() {
    if (m_handle != nullptr) {
        FindClose(m_handle);
        m_handle = nullptr;
    }
    m_name.clear();
    m_attributes = 0;
}

bool CFileFind::IsDirectory() const {
    return (m_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
