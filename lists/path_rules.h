#pragma once

#include <string>
#include <string_view>

// How a name from a checksum list becomes the path of the file to look for.
// Names are looked for relative to the folder that holds the list; a name
// with a backslash reaches into a sub-folder. drive and dir are the list
// path's parts as SplitPath gives them.

// A listed name cut at its first dot: the base before it, the extension
// after it (without the dot). A name without a dot is all base.
struct FileNameParts {
    std::string base;
    std::string ext;
};

FileNameParts SplitFileName(std::string_view name);

// Report and delimited lists: the name split at its first dot, white space
// trimmed around base and extension, and joined again with the list's drive
// and folder, the dot kept. "a . bin" is looked for as "a.bin", "a..bin"
// as "a..bin", "..\x.bin" in the list's parent folder.
std::string SplitJoinPath(std::string_view drive, std::string_view dir, std::string_view name);

// Column lists: the drive, the folder and the name joined as they stand.
std::string PlainJoinPath(std::string_view drive, std::string_view dir, std::string_view name);

// A listed name by its real (wide) characters, for a list whose names code
// page 932 cannot all write: what the split-and-join rule makes of it
// below the list's folder, "a . bin" giving "a.bin".
std::wstring SplitJoinName(std::wstring_view name);
