#include "engine/file_crc.h"

#include <windows.h>

#include <memory>

#include "engine/job_messages.h"
#include "engine/path_message.h"
#include "res/resource.h"

namespace {

std::string FailureMessage(CrcFailure failure, const std::string& path) {
    switch (failure) {
        case CrcFailure::CannotOpen:
            return FormatPathMessage(IDS_CANNOT_OPEN, path);
        case CrcFailure::NoBuffer:
            return path + ":メモリが足りません";
        case CrcFailure::ReadFailed:
            break;
    }
    return ReadErrorMessage(path);
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

// Other processes may go on reading and writing the file meanwhile. The
// sequential-scan hint lets the system read ahead of our requests.
FileHandle OpenForReading(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace

std::uint16_t ComputeFileCrc(const std::string& path, std::int64_t* bytesRead) {
    const FileHandle file = OpenForReading(path);
    if (!file) {
        throw FileCrcError(CrcFailure::CannotOpen, FailureMessage(CrcFailure::CannotOpen, path));
    }
    const StreamCrcResult result =
        ComputeStreamCrc([&file](unsigned char* buffer, std::size_t capacity) -> std::int64_t {
            DWORD count = 0;
            if (!ReadFile(file.get(), buffer, static_cast<DWORD>(capacity), &count, nullptr)) {
                return -1;
            }
            return count;
        });
    if (!result.ok) {
        throw FileCrcError(result.failure, FailureMessage(result.failure, path));
    }
    if (bytesRead != nullptr) {
        *bytesRead = result.bytes;
    }
    return result.crc;
}
