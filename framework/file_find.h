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
    // The same for a pattern in its real (wide) form.
    bool FindFile(const std::wstring& pattern);
    // Moves to the next entry; false when there is none. (Not FindNextFile:
    // windows.h makes that name a macro.)
    bool FindNext();
    void Close();

    // The current entry: its name as stored in the file system, not a path;
    // in code page 932, with '?' for a character it cannot write.
    const std::string& GetFileName() const { return m_name; }
    // The name as stored, and whether code page 932 wrote it exactly.
    const std::wstring& GetRealName() const { return m_realName; }
    bool IsNameExact() const { return m_exact; }
    bool IsDirectory() const;

private:
    void Take(const void* entry);

    void* m_handle = nullptr;
    std::string m_name;
    std::wstring m_realName;
    bool m_exact = true;
    std::uint32_t m_attributes = 0;
};
