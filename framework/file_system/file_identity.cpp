#include "framework/file_system/file_identity.h"

#include <windows.h>

#include <cstring>

#include "framework/file_system/file_handle.h"
#include "framework/path_parts.h"
#include "framework/wine_host.h"

namespace {

// Wine answers for a file of a Unix shell's redirection with no volume,
// and its volume serials stand for drive letters, not file systems: the
// same file through C: and Z: gets two. The host's own device and inode of
// the file are the proof there. Wine hands out the Unix descriptor of a
// handle; only a Linux host's system calls can read it, made directly, as
// no library of the host is within a Windows program's reach.
#if defined(__x86_64__)
long long LinuxCall(long long number, long long first, long long second) {
    long long result;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(number), "D"(first), "S"(second)
                 : "rcx", "r11", "memory");
    return result;
}

std::optional<FileIdentity> UnixIdentityOf(HANDLE file) {
    static const bool onLinux = RunningUnderWineOnLinux();
    using HandleToFd = LONG(CDECL*)(HANDLE, unsigned, int*, unsigned*);
    const auto handleToFd = reinterpret_cast<HandleToFd>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_server_handle_to_fd")));
    int descriptor = -1;
    if (!onLinux || handleToFd == nullptr || handleToFd(file, 0, &descriptor, nullptr) != 0) {
        return std::nullopt;
    }
    constexpr long long kClose = 3;
    constexpr long long kFstat = 5;
    // struct stat of x86-64 Linux begins with st_dev and st_ino.
    std::array<std::uint64_t, 18> status = {};
    const bool read =
        LinuxCall(kFstat, descriptor, reinterpret_cast<long long>(status.data())) == 0;
    LinuxCall(kClose, descriptor, 0);
    if (!read) {
        return std::nullopt;
    }
    FileIdentity identity{FileIdentity::Kind::UnixDevice, status[0], {}};
    std::memcpy(identity.id.data(), &status[1], sizeof status[1]);
    return identity;
}
#else
std::optional<FileIdentity> UnixIdentityOf(HANDLE) {
    return std::nullopt;
}
#endif

// FILE_ID_INFO of Windows 8 and later, whose header the Windows 7 target
// leaves out; on Windows 7 the query fails and the 64-bit index answers.
struct FileIdInfo {
    std::uint64_t VolumeSerialNumber;
    std::array<std::uint8_t, 16> FileId;
};
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

std::optional<FileIdentity> VolumeIdentityOf(HANDLE file) {
    FileIdInfo info;
    if (GetFileInformationByHandleEx(file, kFileIdInfo, &info, sizeof info) &&
        info.VolumeSerialNumber != 0) {
        return FileIdentity{FileIdentity::Kind::WindowsVolume, info.VolumeSerialNumber,
                            info.FileId};
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file, &information) || information.dwVolumeSerialNumber == 0) {
        return std::nullopt;
    }
    // The same 64-bit index FileIdInfo gives, widened as it widens it.
    const std::uint64_t index =
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    FileIdentity identity{FileIdentity::Kind::WindowsVolume, information.dwVolumeSerialNumber, {}};
    std::memcpy(identity.id.data(), &index, sizeof index);
    return identity;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(void* file) {
    if (const std::optional<FileIdentity> host = UnixIdentityOf(file)) {
        return host;
    }
    return VolumeIdentityOf(file);
}

// Attributes alone are read, and a folder is opened too, so that an
// identity is had wherever one exists; others may write or delete meanwhile.
std::optional<FileIdentity> IdentityOfFileAt(const CFileName& path) {
    const HANDLE file = OpenFileHandle(
        path, {FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS});
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::optional<FileIdentity> identity = IdentityOf(file);
    CloseHandle(file);
    return identity;
}

std::optional<std::wstring> FinalNameOf(void* file) {
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
    return path.substr(FinalComponentStart(path));
}
