#pragma once

#include <string>
#include <string_view>

// Paths are code page 932 bytes everywhere in the program; the file system
// is reached through the wide functions with these, so that the limits of
// ordinary narrow paths do not apply.

// text converted from and to code page 932, whatever the process's ANSI
// code page: the one conversion between the program's text and what Windows
// takes (paths, captions, list box lines, messages). lossy, when given,
// tells whether a character had no code page 932 form and was written as '?'.
std::wstring WidenText(std::string_view text);
std::string NarrowText(std::wstring_view text, bool* lossy = nullptr);

// The full path as the system resolves it, without touching the disk: from
// the current folder when path is relative. Empty when it cannot be had.
std::wstring FullPath(const std::wstring& path);

// The wide path that reaches exactly the file or folder path names (a
// search pattern too): path converted as it stands, or, when it is too long
// for an ordinary path or one of its components is a name ordinary paths
// do not reach as written (a folder or file name ending in a dot or a
// space, a final name that is a device name; see dos_names.h), its verbatim
// "\\?\" form, built on its full path.
std::wstring WidePath(const std::string& path);
// The same for a path in its real (wide) form.
std::wstring WidePath(const std::wstring& path);
