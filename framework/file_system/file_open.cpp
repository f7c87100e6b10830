#include "framework/file_system/file_open.h"

#include "framework/file_system/file_handle.h"

namespace {

// What _open does for a shared, sequential, binary read, but with the
// system's own reason when it fails.
constexpr FileAccess kReading = {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN};

}  // namespace

// The handle itself, not a runtime descriptor made from it: the runtime
// would ask the file's type once more, three system calls under Wine, which
// a folder of small files feels.
CReadFile::CReadFile(const CFileName& path) : m_file(OpenFileHandle(path, kReading, &m_failure)) {}

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
