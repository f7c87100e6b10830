#include "engine/file_crc.h"

#include <io.h>

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
            return path + ":メモリが足りません";
        case CrcFailure::ReadFailed:
            break;
    }
    return ReadErrorMessage(path);
}

// Other programs may go on reading and writing the file meanwhile; the
// sequential flag lets the system read ahead of our requests. Opened as the
// list checks probe listed files: by its exact name, never as a device.
class OpenFile {
public:
    explicit OpenFile(const std::string& path) : m_fd(OpenFileForReading(path)) {}
    ~OpenFile() {
        if (m_fd >= 0) {
            _close(m_fd);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    std::int64_t Read(unsigned char* buffer, std::size_t capacity) const {
        return _read(m_fd, buffer, static_cast<unsigned>(capacity));
    }

private:
    int m_fd;
};

}  // namespace

std::uint16_t ComputeFileCrc(const std::string& path, std::int64_t* bytesRead) {
    const OpenFile file(path);
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
