#include "framework/file_kind.h"

#include <windows.h>

// GetFileAttributes rather than the runtime's stat, which refuses a folder
// written with a trailing backslash, as shells complete it ("data\").
bool IsFolder(const CFileName& path) {
    const DWORD attributes = GetFileAttributesW(path.SystemPath().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
