#include "engine/file_crc.h"

#include "engine/job_messages.h"
#include "engine/path_message.h"
#include "framework/file_open.h"
#include "res/resource.h"

namespace {

std::string FailureMessage(CrcFailure failure, const std::string& path) {
    switch (failure) {
        case CrcFailure::CannotOpen:
            return FormatPathMessage(IDS_CANNOT_OPEN, path);
        case CrcFailure::NoBuffer:
            return NoMemoryMessage(path);
        case CrcFailure::ReadFailed:
            break;
    }
    return ReadErrorMessage(path);
}

}  // namespace

// Other programs may go on reading and writing the file meanwhile; the
// sequential flag lets the system read ahead of our requests. Opened as the
// list checks probe listed files: by its exact name, never as a device.
std::uint16_t ComputeFileCrc(const std::string& path, std::int64_t* bytesRead) {
    const CReadFile file(path);
    if (!file.IsOpen()) {
        throw FileCrcError(CrcFailure::CannotOpen, FailureMessage(CrcFailure::CannotOpen, path));
    }
    const StreamCrcResult result =
        ComputeStreamCrc([&file](unsigned char* buffer, std::size_t capacity) {
            return file.Read(buffer, capacity);
        });
    if (!result.ok) {
        throw FileCrcError(result.failure, FailureMessage(result.failure, path));
    }
    if (bytesRead != nullptr) {
        *bytesRead = result.bytes;
    }
    return result.crc;
}
