#include "engine/stream_crc.h"

#include <memory>
#include <new>

#include "engine/crc16.h"
#include "engine/job_control.h"

StreamCrcResult ComputeStreamCrc(const ChunkReader& read) {
    StreamCrcResult result;
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[kCrcChunkSize]);
    if (!buffer) {
        result.failure = CrcFailure::NoBuffer;
        return result;
    }
    std::uint16_t crc = kCrcInitial;
    for (;;) {
        const std::int64_t count = read(buffer.get(), kCrcChunkSize);
        if (count == 0) {
            break;
        }
        if (count < 0 || count > static_cast<std::int64_t>(kCrcChunkSize)) {
            result.failure = CrcFailure::ReadFailed;
            return result;
        }
        crc = UpdateCrc(crc, buffer.get(), static_cast<std::size_t>(count));
        result.bytes += count;
        JobBytesCheckpoint(result.bytes);
    }
    result.ok = true;
    result.crc = crc;
    return result;
}
