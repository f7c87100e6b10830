#pragma once

#include <string>

#include "framework/file_name.h"

// The application profile: an INI file named after the executable (its base
// name and ".INI"), with integer values stored as decimal text. It lives in a
// folder of the program's own under the user's application data
// (%APPDATA%\Varnel), reached by its real name, where a standard user can
// write; the Windows folder is not writable for one on current Windows.
// A profile that cannot be read or written leaves the defaults in force;
// the first write that fails says so in a box, once a run. A write replaces
// the whole file, a link in its place included, as WriteFileAtomically does.

// Where the profile is kept.
CFileName ProfilePath();
// Keeps the profile at path (code page 932 text) instead (tests); an empty
// path restores the default. A new path may tell its trouble again.
void SetProfilePathForTesting(const std::string& path);

int ReadProfileInt(const char* section, const char* key, int defaultValue);
// Returns false when the value could not be written.
bool WriteProfileInt(const char* section, const char* key, int value);
