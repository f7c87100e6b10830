#pragma once

#include <cstdint>
#include <optional>

#include "framework/file_name.h"

// What a name leads to on the disk, reached as the file functions reach it:
// also written with a trailing backslash, deeper than ordinary paths reach,
// or with a name ending in a dot. A name holding a NUL leads nowhere.

bool IsFolder(const CFileName& path);
// True when path names an existing file, not a folder.
bool IsExistingFile(const CFileName& path);
// True when path names a file or a folder.
bool Exists(const CFileName& path);
// The size of the file path names, or nothing when it cannot be had.
std::optional<std::int64_t> FileSize(const CFileName& path);

// What one look-up of path's attributes tells: a folder, or a file's size
// (0 when it does not exist or cannot be looked up).
struct PathKind {
    bool folder = false;
    std::int64_t size = 0;
};
PathKind LookUpPath(const CFileName& path);

// A size as the system's records give it, in two halves.
inline std::int64_t JoinedSize(std::uint32_t high, std::uint32_t low) {
    return static_cast<std::int64_t>((std::uint64_t{high} << 32) | low);
}

// Makes the folder path names; one already there is fine.
void CreateFolder(const CFileName& path);
// True when no file of path's name is left: removed, or gone already.
bool RemoveFile(const CFileName& path);
