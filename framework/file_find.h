#pragma once

#include <cstdint>
#include <string>

// A search of directory entries by a path pattern (wildcards allowed in the
// last component) of any length; names are code page 932 bytes, as the ANSI
// functions give them. The search is closed when the object goes away.
class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a new search; true when a first entry was found.
    bool FindFile(const std::string& pattern);
    // Moves to the next entry; false when there is none. (Not FindNextFile:
    // windows.h makes that name a macro.)
    bool FindNext();
    void Close();

    // The current entry: its name as stored in the file system, not a path.
    const std::string& GetFileName() const { return m_name; }
    bool IsDirectory() const;

private:
    void* m_handle = nullptr;
    std::string m_name;
    std::uint32_t m_attributes = 0;
};
