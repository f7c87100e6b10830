#include "framework/file_open.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "framework/cp932.h"
#include "framework/dos_names.h"
#include "framework/path_parts.h"

namespace {

// The full path of folder, with its separator at the end, or nothing.
std::string FullFolderPath(const std::string& folder) {
    const DWORD needed = GetFullPathNameA(folder.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return {};
    }
    std::string full(needed, '\0');
    const DWORD length = GetFullPathNameA(folder.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return {};
    }
    full.resize(length);
    if (!EndsWithSeparator(full)) {
        full += '\\';
    }
    return full;
}

bool IsVerbatimOrDevicePath(const std::string& path) {
    return path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\");
}

}  // namespace

std::string ExactFilePath(const std::string& path) {
    const PathParts parts = SplitPath(path);
    const std::string name = parts.base + parts.ext;
    if (IsVerbatimOrDevicePath(path) || !NeedsVerbatimPath(name)) {
        return path;
    }
    const std::string folder = parts.drive + parts.dir;
    const std::string full = FullFolderPath(folder.empty() ? "." : folder);
    if (full.empty() || IsVerbatimOrDevicePath(full)) {
        return path;
    }
    if (full.starts_with("\\\\")) {
        return "\\\\?\\UNC\\" + full.substr(2) + name;
    }
    return "\\\\?\\" + full + name;
}

int OpenFileForReading(const std::string& path) {
    // A NUL byte would cut the path short and name some other file.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return -1;
    }
    const int fd = _open(ExactFilePath(path).c_str(), _O_RDONLY | _O_BINARY | _O_SEQUENTIAL);
    if (fd >= 0 && GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) != FILE_TYPE_DISK) {
        _close(fd);
        return -1;
    }
    return fd;
}
