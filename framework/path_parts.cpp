#include "framework/path_parts.h"

#include "framework/cp932.h"

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':' && !IsLeadByte(static_cast<unsigned char>(path[0]))) {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    const std::size_t separator = FindLastSeparator(path);
    if (separator != std::string_view::npos) {
        parts.dir = std::string(path.substr(0, separator + 1));
        path.remove_prefix(separator + 1);
    }
    // A dot is below 0x40 and never a trail byte, so the last one is a character.
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos) {
        parts.ext = std::string(path.substr(dot));
        path = path.substr(0, dot);
    }
    parts.base = std::string(path);
    return parts;
}

std::string FinalComponent(std::string_view path) {
    const PathParts parts = SplitPath(path);
    return parts.base + parts.ext;
}

std::string MakePath(std::string_view drive, std::string_view dir, std::string_view base,
                     std::string_view ext) {
    std::string path;
    if (!drive.empty()) {
        path += drive.front();
        path += ':';
    }
    if (!dir.empty()) {
        path += dir;
        if (!EndsWithSeparator(dir)) {
            path += '\\';
        }
    }
    path += base;
    if (!ext.empty()) {
        if (ext.front() != '.') {
            path += '.';
        }
        path += ext;
    }
    return path;
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

std::size_t LastSeparator(std::wstring_view path) {
    return path.find_last_of(L"\\/");
}

std::size_t FinalComponentStart(std::wstring_view path) {
    const std::size_t separator = LastSeparator(path);
    if (separator != std::wstring_view::npos) {
        return separator + 1;
    }
    return path.size() >= 2 && path[1] == L':' ? 2 : 0;
}
