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

// The dot is written whenever the name holds one, even before an extension
// that begins with a dot: "a..bin" and "..\x.bin" name the files they say.
std::string SplitJoinPath(std::string_view drive, std::string_view dir, std::string_view name) {
    const FileNameParts parts = SplitFileName(name);
    std::string path = MakePath(drive, dir, TrimAsciiSpace(parts.base), "");
    if (name.find('.') != std::string_view::npos) {
        path += '.';
        path += TrimAsciiSpace(parts.ext);
    }
    return path;
}

std::wstring SplitJoinName(std::wstring_view name) {
    const auto trim = [](std::wstring_view text) {
        const auto space = [](wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); };
        while (!text.empty() && space(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && space(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    };
    const std::size_t dot = name.find(L'.');
    std::wstring joined(trim(name.substr(0, dot)));
    if (dot != std::wstring_view::npos) {
        joined += L'.';
        joined += trim(name.substr(dot + 1));
    }
    return joined;
}

std::string PlainJoinPath(std::string_view drive, std::string_view dir, std::string_view name) {
    std::string path;
    path.reserve(drive.size() + dir.size() + name.size());
    path.append(drive).append(dir).append(name);
    return path;
}
