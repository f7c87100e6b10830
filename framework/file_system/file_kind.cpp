#include "framework/file_system/file_kind.h"

#include <windows.h>

#include <string>

#include "framework/file_system/file_handle.h"
#include "framework/file_system/system_path.h"

// GetFileAttributes rather than the runtime's stat, which refuses a folder
// written with a trailing backslash, as shells complete it ("data\").
bool IsFolder(const CFileName& path) {
    const DWORD attributes = FileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsExistingFile(const CFileName& path) {
    const DWORD attributes = FileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Exists(const CFileName& path) {
    return FileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

namespace {

std::optional<WIN32_FILE_ATTRIBUTE_DATA> AttributeData(const CFileName& path) {
    const std::optional<std::wstring> system = SystemPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!system || !GetFileAttributesExW(system->c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return data;
}

}  // namespace

std::optional<std::int64_t> FileSize(const CFileName& path) {
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> data = AttributeData(path);
    if (!data) {
        return std::nullopt;
    }
    return JoinedSize(data->nFileSizeHigh, data->nFileSizeLow);
}

PathKind LookUpPath(const CFileName& path) {
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> data = AttributeData(path);
    if (!data) {
        return {};
    }
    if ((data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {true, 0};
    }
    return {false, JoinedSize(data->nFileSizeHigh, data->nFileSizeLow)};
}

void CreateFolder(const CFileName& path) {
    if (const std::optional<std::wstring> system = SystemPath(path)) {
        CreateDirectoryW(system->c_str(), nullptr);
    }
}

bool RemoveFile(const CFileName& path) {
    const std::optional<std::wstring> system = SystemPath(path);
    return system &&
           (DeleteFileW(system->c_str()) != FALSE || GetLastError() == ERROR_FILE_NOT_FOUND);
}
