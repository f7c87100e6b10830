#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "framework/file_name.h"
#include "framework/path_parts.h"

// One input of a job. A path the user named is examined by its extension
// (a ".txt" or ".crc" list is verified); a file found in a folder the user
// named is always checksummed, never read as a list. The flag is kept apart
// from the path, so that no path, whatever its first character, can pass
// for a file found in a folder. The file is reached by its real name, and
// the report shows its text.
//
// A file found in a folder holds its folder, shared with the files found
// beside it, and its own real name only: the input list of a large tree
// holds each file's name once rather than its whole path twice (as UTF-16
// and as code page 932). The whole path is built as the file is checked.
class InputEntry {
public:
    // The row shows the path's last component, unless told where in the
    // path's text the name it shows begins.
    static constexpr std::size_t kLastComponent = std::string::npos;

    // A path alone is one the user named.
    InputEntry(CFileName path, bool inFolder = false, std::size_t rowNameOffset = kLastComponent,
               std::int64_t knownSize = 0)
        : inFolder(inFolder),
          rowNameOffset(rowNameOffset),
          knownSize(knownSize),
          m_base(std::make_shared<const CFileName>(std::move(path))) {}
    // The file of real name name that a search of folder found.
    InputEntry(std::shared_ptr<const CFileName> folder, std::wstring name,
               std::size_t rowNameOffset, std::int64_t knownSize)
        : inFolder(true),
          rowNameOffset(rowNameOffset),
          knownSize(knownSize),
          m_base(std::move(folder)),
          m_name(std::move(name)) {}

    // The input's whole path.
    CFileName Path() const {
        CFileName path;
        PathInto(path);
        return path;
    }
    // The same, in the storage path holds already.
    void PathInto(CFileName& path) const {
        if (m_name.empty()) {
            path = *m_base;
        } else {
            path.AssignChild(*m_base, m_name);
        }
    }
    // The real name of the path's last component, read without building the path.
    std::wstring_view RealFinalName() const {
        if (!m_name.empty()) {
            return m_name;
        }
        const std::wstring& path = m_base->Real();
        return std::wstring_view(path).substr(FinalComponentStart(path));
    }
    // The name the input's row in the report shows; path is the input's Path().
    std::string RowName(const CFileName& path) const {
        return rowNameOffset == kLastComponent ? FinalComponent(path.Text())
                                               : path.Text().substr(rowNameOffset);
    }
    // The same input, whatever size was learnt of it.
    bool operator==(const InputEntry& other) const {
        return Path() == other.Path() && inFolder == other.inFolder &&
               rowNameOffset == other.rowNameOffset;
    }

    bool inFolder;
    // A file found in a folder is named from that folder on ("sub\x.bin"),
    // so that a report saved there reaches every file of the tree again.
    std::size_t rowNameOffset;
    // The file's size as learnt while the list was built, for the progress
    // a job shows; 0 when it was not learnt.
    std::int64_t knownSize;

private:
    // The whole path, or the folder of a file found in it.
    std::shared_ptr<const CFileName> m_base;
    // Empty for a path the user named.
    std::wstring m_name;
};
// A queue rather than an array: it grows without copying what it holds. The
// job keeps it whole to its end: letting each input go as it is checked,
// while the report takes memory among the blocks it leaves, fills the heap's
// free lists with remainders that every later allocation walks (a job over
// a million files took 459 s so under Wine, 289 s keeping them).
using CInputList = std::deque<InputEntry>;
