#include "lists/path_rules.h"

#include "framework/cp932.h"
#include "framework/path_parts.h"

FileNameParts SplitFileName(std::string_view name) {
    // The dot lies below 0x40 and is never the trail byte of a double-byte
    // character, so the first dot byte is the first dot character.
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        return {std::string(name), {}};
    }
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

std::string SplitJoinPath(std::string_view drive, std::string_view dir, std::string_view name) {
    const FileNameParts parts = SplitFileName(name);
    return MakePath(drive, dir, TrimAsciiSpace(parts.base), TrimAsciiSpace(parts.ext));
}

std::string PlainJoinPath(std::string_view drive, std::string_view dir, std::string_view name) {
    std::string path;
    path.reserve(drive.size() + dir.size() + name.size());
    path.append(drive).append(dir).append(name);
    return path;
}
