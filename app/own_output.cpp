#include "app/own_output.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/file_identity.h"
#include "framework/path_parts.h"

namespace {

std::optional<FileIdentity> IdentityOfFileAt(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::optional<FileIdentity> identity = IdentityOf(file);
    CloseHandle(file);
    return identity;
}

std::wstring FinalName(const std::wstring& path) {
    return path.substr(FinalComponentStart(path));
}

// The final name of the file a handle writes to, or nothing when the
// system cannot tell it.
std::optional<std::wstring> NameOf(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, path.data(), MAX_PATH, FILE_NAME_NORMALIZED);
    if (length >= MAX_PATH) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(file, path.data(), length, FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= path.size()) {
        return std::nullopt;
    }
    path.resize(length);
    return FinalName(path);
}

bool HasSize(const std::wstring& path, std::int64_t size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
           ((std::int64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow) == size;
}

}  // namespace

void LeaveOutOwnOutput(CInputList& inputs) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == INVALID_HANDLE_VALUE || output == nullptr ||
        GetFileType(output) != FILE_TYPE_DISK) {
        return;
    }
    const std::optional<FileIdentity> own = IdentityOf(output);
    if (!own) {
        return;
    }
    // Only inputs of the output's name, or of its size where its name
    // cannot be told, are opened, so that a large folder costs no second
    // open per file; the identity decides.
    const std::optional<std::wstring> name = NameOf(output);
    LARGE_INTEGER size = {};
    GetFileSizeEx(output, &size);
    std::erase_if(inputs, [&](const InputEntry& entry) {
        const std::wstring path = entry.path.SystemPath();
        if (name ? CompareStringOrdinal(FinalName(path).c_str(), -1, name->c_str(), -1, TRUE) !=
                       CSTR_EQUAL
                 : !HasSize(path, size.QuadPart)) {
            return false;
        }
        return IdentityOfFileAt(path) == own;
    });
}
