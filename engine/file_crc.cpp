#include "engine/file_crc.h"

#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "engine/path_message.h"
#include "framework/file_system/file_open.h"

namespace {

std::string FailureMessage(CrcFailure failure, const std::string& path) {
    switch (failure) {
        case CrcFailure::CannotOpen:
            return FormatPathMessage(CatalogMessage::CannotOpen, path);
        case CrcFailure::NoBuffer:
            return NoMemoryMessage(path);
        case CrcFailure::ReadFailed:
        case CrcFailure::Stopped:
            break;
    }
    return ReadErrorMessage(path);
}

}  // namespace

// Other programs may go on reading and writing the file meanwhile; the
// sequential flag lets the system read ahead of our requests. Opened as the
// list checks probe listed files: by its exact name, never as a device.
std::uint16_t ComputeOpenFileCrc(const CReadFile& file, const std::string& path,
                                 std::int64_t* bytesRead) {
    if (!file.IsOpen()) {
        throw FileCrcError(CrcFailure::CannotOpen, FailureMessage(CrcFailure::CannotOpen, path));
    }
    // A stop takes effect before the next chunk, whatever the file's size,
    // but never once every byte has been read: the file is then finished.
    const std::int64_t length = file.Length();
    std::int64_t offset = 0;
    const StreamCrcResult result = ComputeStreamCrc(
        [&file, &offset, length](unsigned char* buffer, std::size_t capacity) -> std::int64_t {
            if ((length < 0 || offset < length) && StopTakesEffect()) {
                return kReadStopped;
            }
            const std::int64_t count = file.Read(buffer, capacity);
            offset += count > 0 ? count : 0;
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

std::uint16_t ComputeFileCrc(const CFileName& path, std::int64_t* bytesRead) {
    return ComputeOpenFileCrc(CReadFile(path), path.Text(), bytesRead);
}
