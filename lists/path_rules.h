#pragma once

#include <string>
#include <string_view>

// How a name from a checksum list becomes the name of the file to look for
// below the folder that holds the list; a name with a backslash reaches into
// a sub-folder. Names are taken by their real (wide) characters.

// A listed name cut at its first dot: the base before it, the extension
// after it (without the dot). A name without a dot is all base.
struct FileNameParts {
    std::string base;
    std::string ext;
};

FileNameParts SplitFileName(std::string_view name);

// Report rows: the name exactly as the row holds it, blanks and all, since
// the report writes every name exactly.
std::wstring ExactName(std::wstring_view name);

// Delimited and column lists: the name split at its first dot, white space
// trimmed around base and extension, and joined again, the dot kept, as
// padded columns write names: "FOO     .BIN" is looked for as "FOO.BIN",
// "a..bin" as "a..bin", "..\x.bin" in the list's parent folder.
std::wstring SplitJoinName(std::wstring_view name);
