#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>

#include "framework/file_name.h"
#include "framework/path_parts.h"

// One input of a job. A path the user named is examined by its extension
// (a ".txt" or ".crc" list is verified); a file found in a folder the user
// named is always checksummed, never read as a list. The flag is kept apart
// from the path, so that no path, whatever its first character, can pass
// for a file found in a folder. The file is reached by its real name, and
// the report shows its text.
struct InputEntry {
    // The row shows the path's last component, unless told where in the
    // path's text the name it shows begins.
    static constexpr std::size_t kLastComponent = std::string::npos;

    // A path alone is one the user named.
    InputEntry(CFileName path, bool inFolder = false, std::size_t rowNameOffset = kLastComponent,
               std::int64_t knownSize = 0)
        : path(std::move(path)),
          inFolder(inFolder),
          rowNameOffset(rowNameOffset),
          knownSize(knownSize) {}
    CFileName path;
    bool inFolder;
    // A file found in a folder is named from that folder on ("sub\x.bin"),
    // so that a report saved there reaches every file of the tree again.
    std::size_t rowNameOffset;
    // The file's size as learnt while the list was built, for the progress
    // a job shows; 0 when it was not learnt.
    std::int64_t knownSize;

    // The name the file's row in the report shows.
    std::string RowName() const {
        return rowNameOffset == kLastComponent ? FinalComponent(path.Text())
                                               : path.Text().substr(rowNameOffset);
    }
    // The same input, whatever size was learnt of it.
    bool operator==(const InputEntry& other) const {
        return path == other.path && inFolder == other.inFolder &&
               rowNameOffset == other.rowNameOffset;
    }
};
// A queue rather than an array: it grows without copying what it holds, and
// the job lets each input go once checked, so that the input list of a
// large tree never stands in memory beside its whole report.
using CInputList = std::deque<InputEntry>;
