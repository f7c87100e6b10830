#pragma once

#include <cstdint>
#include <string>

#include "framework/file_name.h"

// A search of directory entries by a path pattern, wildcards allowed in the
// last component, of any length. The search is
// closed when the object goes away.
class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a new search; true when a first entry was found.
    bool FindFile(const CFileName& pattern);
    // Moves to the next entry; false when there is none. (Not FindNextFile:
    // windows.h makes that name a macro.)
    bool FindNext();
    void Close();

    // The current entry's name as stored in the file system, not a path.
    const std::wstring& GetRealName() const { return m_realName; }
    bool IsDirectory() const;
    // The current entry's size in bytes, as the folder records it.
    std::int64_t GetLength() const { return m_length; }
    // A link or junction: a reparse point, which leads elsewhere.
    bool IsReparsePoint() const;

private:
    void Take(const void* entry);

    void* m_handle = nullptr;
    std::wstring m_realName;
    std::uint32_t m_attributes = 0;
    std::int64_t m_length = 0;
};
