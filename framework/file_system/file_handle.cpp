#include "framework/file_system/file_handle.h"

#include <optional>
#include <string>

#include "framework/file_system/system_path.h"

HANDLE OpenFileHandle(const CFileName& path, const FileAccess& access, OpenFailure* why) {
    OpenFailure ignored;
    OpenFailure& failure = why != nullptr ? *why : ignored;
    const std::optional<std::wstring> system = SystemPath(path, &failure);
    if (!system) {
        return INVALID_HANDLE_VALUE;
    }
    HANDLE file = CreateFileW(system->c_str(), access.access, access.share, nullptr,
                              access.disposition, access.flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failure = GetLastError() == ERROR_FILENAME_EXCED_RANGE ? OpenFailure::PathTooLong
                                                               : OpenFailure::CannotOpen;
        return INVALID_HANDLE_VALUE;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        failure = OpenFailure::CannotOpen;
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

DWORD FileAttributes(const CFileName& path) {
    const std::optional<std::wstring> system = SystemPath(path);
    return system ? GetFileAttributesW(system->c_str()) : INVALID_FILE_ATTRIBUTES;
}
