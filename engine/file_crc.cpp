#include "engine/file_crc.h"

#include <fcntl.h>
#include <io.h>

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

}  // namespace

std::uint16_t ComputeFileCrc(const std::string& path, std::int64_t* bytesRead) {
    // _open shares the file for reading and writing with other processes.
    const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        throw FileCrcError(CrcFailure::CannotOpen, FailureMessage(CrcFailure::CannotOpen, path));
    }
    const StreamCrcResult result =
        ComputeStreamCrc([fd](unsigned char* buffer, std::size_t capacity) -> std::int64_t {
            return _read(fd, buffer, static_cast<unsigned>(capacity));
        });
    _close(fd);
    if (!result.ok) {
        throw FileCrcError(result.failure, FailureMessage(result.failure, path));
    }
    if (bytesRead != nullptr) {
        *bytesRead = result.bytes;
    }
    return result.crc;
}
