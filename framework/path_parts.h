#pragma once

#include <string>
#include <string_view>

// A path taken apart the way the C runtime's _splitpath does, aware of
// double-byte characters: drive ("C:" or empty), folder (up to and including
// the last separator, or empty), base name, and extension (from the last dot
// of the final component on, dot included, or empty).
struct PathParts {
    std::string drive;
    std::string dir;
    std::string base;
    std::string ext;
};

PathParts SplitPath(std::string_view path);

// The final component: base name and extension ("C:\data\a.bin" gives "a.bin").
// It begins after the last separator, or after the colon of a drive at the
// path's start ("C:a.bin"); any other colon belongs to it, as in the name of
// a file's stream ("a.bin:s"), so the report names the stream's file too.
std::string FinalComponent(std::string_view path);

// A separator of the components of a path in its real (wide) form.
bool IsSeparator(wchar_t c);
// The place of the last separator of path; npos when it has none.
std::size_t LastSeparator(std::wstring_view path);

// Where the final component of a path in its real (wide) form begins, by
// FinalComponent's rule; 0 when the path has neither separator nor drive.
std::size_t FinalComponentStart(std::wstring_view path);

// Joins parts the way _makepath does: the drive's letter and a colon; the
// folder, with a backslash added unless it is empty or already ends in a
// separator; the base; and, for a non-empty extension, a dot (unless the
// extension begins with one) and the extension.
std::string MakePath(std::string_view drive, std::string_view dir, std::string_view base,
                     std::string_view ext);
