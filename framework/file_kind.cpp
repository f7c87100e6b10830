#include "framework/file_kind.h"

#include <windows.h>

#include "framework/wide_path.h"

// GetFileAttributes rather than the runtime's stat, which refuses a folder
// written with a trailing backslash, as shells complete it ("data\").
bool IsFolder(const std::string& path) {
    return IsFolder(WidenText(path));
}

bool IsFolder(const std::wstring& realPath) {
    const DWORD attributes = GetFileAttributesW(WidePath(realPath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
