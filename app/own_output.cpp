#include "app/own_output.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

// A file's identity: the volume it lies on and its index there, the same
// for every path and link that reaches it.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file, &information)) {
        return std::nullopt;
    }
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                        information.nFileIndexLow};
}

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
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
    return path.substr(path.find_last_of(L"\\/") + 1);
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
    // Only inputs of the output's name are opened, so that a large folder
    // costs no second open per file; the identity decides.
    const std::optional<std::wstring> name = NameOf(output);
    std::erase_if(inputs, [&](const InputEntry& entry) {
        const std::wstring path = entry.path.SystemPath();
        if (name && CompareStringOrdinal(FinalName(path).c_str(), -1, name->c_str(), -1, TRUE) !=
                        CSTR_EQUAL) {
            return false;
        }
        return IdentityOf(path) == own;
    });
}
