#include "framework/file_kind.h"

#include <windows.h>

// GetFileAttributes rather than the runtime's stat, which refuses a folder
// written with a trailing backslash, as shells complete it ("data\").
bool IsFolder(const CFileName& path) {
    return LookUpPath(path).folder;
}

PathKind LookUpPath(const CFileName& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.SystemPath().c_str(), GetFileExInfoStandard, &data)) {
        return {};
    }
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {true, 0};
    }
    return {false, JoinedSize(data.nFileSizeHigh, data.nFileSizeLow)};
}
