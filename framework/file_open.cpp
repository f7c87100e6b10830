#include "framework/file_open.h"

#include <windows.h>

#include "framework/wide_path.h"

namespace {

// The longest path the wide functions take, verbatim prefix included.
constexpr std::size_t kWidePathLimit = 32767;

OpenFailure FailureOf(DWORD error) {
    return error == ERROR_FILENAME_EXCED_RANGE ? OpenFailure::PathTooLong : OpenFailure::CannotOpen;
}

// The file as a handle of the system's own, or INVALID_HANDLE_VALUE.
HANDLE OpenHandleForReading(const std::wstring& path, OpenFailure* failure) {
    OpenFailure ignored;
    OpenFailure& why = failure != nullptr ? *failure : ignored;
    why = OpenFailure::CannotOpen;
    // A NUL would cut the path short and name some other file.
    if (path.empty() || path.find(L'\0') != std::wstring::npos) {
        return INVALID_HANDLE_VALUE;
    }
    const std::wstring wide = WidePath(path);
    if (wide.size() >= kWidePathLimit) {
        why = OpenFailure::PathTooLong;
        return INVALID_HANDLE_VALUE;
    }
    // What _open does for a shared, sequential, binary read, but with the
    // system's own reason when it fails.
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = FailureOf(GetLastError());
        return INVALID_HANDLE_VALUE;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    why = OpenFailure::None;
    return file;
}

}  // namespace

// The handle itself, not a runtime descriptor made from it: the runtime
// would ask the file's type once more, three system calls under Wine, which
// a folder of small files feels.
CReadFile::CReadFile(const CFileName& path)
    : m_file(OpenHandleForReading(path.Real(), &m_failure)) {}

CReadFile::~CReadFile() {
    if (IsOpen()) {
        CloseHandle(m_file);
    }
}

bool CReadFile::IsOpen() const {
    return m_file != INVALID_HANDLE_VALUE;
}

std::int64_t CReadFile::Length() const {
    LARGE_INTEGER size;
    return GetFileSizeEx(m_file, &size) ? size.QuadPart : -1;
}

std::int64_t CReadFile::Read(void* buffer, std::size_t capacity) const {
    DWORD count = 0;
    if (!ReadFile(m_file, buffer, static_cast<DWORD>(capacity), &count, nullptr)) {
        return -1;
    }
    return count;
}
