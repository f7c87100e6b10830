#pragma once

#include <cstdint>

#include "framework/file_name.h"

// True when path names an existing folder, reached as the file functions
// reach it (see WidePath): also one written with a trailing backslash, one
// deeper than ordinary paths reach, or one whose name ends in a dot.
bool IsFolder(const CFileName& path);

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
