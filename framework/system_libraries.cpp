#include "framework/system_libraries.h"

#include <windows.h>

void LoadLibrariesFromSystemOnly() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A library loaded with a search order of its own (the altered one of
    // LOAD_WITH_ALTERED_SEARCH_PATH) escapes the default: for those, the
    // current folder at least is left out.
    SetDllDirectoryW(L"");
}
