#include "framework/file_open.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "framework/wide_path.h"

namespace {

// The longest path the wide functions take, verbatim prefix included.
constexpr std::size_t kWidePathLimit = 32767;

OpenFailure FailureOf(DWORD error) {
    return error == ERROR_FILENAME_EXCED_RANGE ? OpenFailure::PathTooLong : OpenFailure::CannotOpen;
}

}  // namespace

int OpenFileForReading(const std::string& path, OpenFailure* failure) {
    OpenFailure ignored;
    OpenFailure& why = failure != nullptr ? *failure : ignored;
    why = OpenFailure::CannotOpen;
    // A NUL byte would cut the path short and name some other file.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return -1;
    }
    const std::wstring wide = WidePath(path);
    if (wide.size() >= kWidePathLimit) {
        why = OpenFailure::PathTooLong;
        return -1;
    }
    // What _open does for a shared, sequential, binary read, but with the
    // system's own reason when it fails.
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = FailureOf(GetLastError());
        return -1;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        return -1;
    }
    why = OpenFailure::None;
    return fd;
}

CReadFile::~CReadFile() {
    if (m_fd >= 0) {
        _close(m_fd);
    }
}

std::int64_t CReadFile::Length() const {
    return _filelengthi64(m_fd);
}

std::int64_t CReadFile::Read(void* buffer, std::size_t capacity) const {
    return _read(m_fd, buffer, static_cast<unsigned>(capacity));
}
