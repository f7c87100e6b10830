#include "engine/stream_crc.h"

#include <memory>
#include <new>
#include <utility>

#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/stream_crc_read_ahead.h"

namespace {

using ChunkBuffer = std::unique_ptr<unsigned char[]>;

ChunkBuffer NewChunkBuffer() {
    return ChunkBuffer(new (std::nothrow) unsigned char[kCrcChunkSize]);
}

StreamCrcResult Failed(CrcFailure failure) {
    StreamCrcResult result;
    result.failure = failure;
    return result;
}

}  // namespace

StreamCrcResult ComputeStreamCrc(const ChunkReader& read) {
    ChunkBuffer current = NewChunkBuffer();
    if (!current) {
        return Failed(CrcFailure::NoBuffer);
    }
    std::int64_t count = ReadChunk(read, current.get(), kCrcChunkSize);
    // Past the first chunk, the next one is read on the read-ahead thread
    // while this one is hashed. Small files need neither the second buffer
    // nor the other thread; without either, chunks are read in turn.
    ChunkBuffer next;
    ReadAheadThread* ahead = nullptr;
    if (count == static_cast<std::int64_t>(kCrcChunkSize)) {
        next = NewChunkBuffer();
        ahead = next ? ReadAheadThread::Get() : nullptr;
    }
    StreamCrcResult result;
    std::uint16_t crc = kCrcInitial;
    while (count != 0) {
        if (count < 0 || count > static_cast<std::int64_t>(kCrcChunkSize)) {
            return Failed(CrcFailure::ReadFailed);
        }
        ChunkReadRequest nextChunk(read, next.get(), kCrcChunkSize);
        if (ahead != nullptr) {
            ahead->Start(nextChunk);
        }
        crc = UpdateCrc(crc, current.get(), static_cast<std::size_t>(count));
        result.bytes += count;
        JobBytesCheckpoint(result.bytes);
        if (ahead != nullptr) {
            count = nextChunk.Finish();
            std::swap(current, next);
        } else {
            count = ReadChunk(read, current.get(), kCrcChunkSize);
        }
    }
    result.ok = true;
    result.crc = crc;
    return result;
}
