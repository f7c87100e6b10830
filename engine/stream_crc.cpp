#include "engine/stream_crc.h"

#include <memory>
#include <new>

#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/stream_crc_worker.h"

namespace {

enum class Buffer { Own, Other };

// Each thread keeps its two chunk buffers from file to file. Under Wine a
// read into memory never touched before costs milliseconds (every page of
// the buffer is mapped first), which would dwarf the work on a small file.
unsigned char* ChunkBuffer(Buffer which) {
    thread_local std::unique_ptr<unsigned char[]> buffers[2];
    auto& buffer = buffers[static_cast<int>(which)];
    if (!buffer) {
        buffer.reset(new (std::nothrow) unsigned char[kCrcChunkSize]);
    }
    return buffer.get();
}

StreamCrcResult Failed(CrcFailure failure) {
    StreamCrcResult result;
    result.failure = failure;
    return result;
}

// The end of a computation at a count that holds no chunk.
StreamCrcResult FailedAt(std::int64_t count) {
    return Failed(count == kReadStopped ? CrcFailure::Stopped : CrcFailure::ReadFailed);
}

// The CRC of the chunks taken so far, with a job checkpoint after each.
class RunningCrc {
public:
    void Hash(const unsigned char* chunk, std::int64_t count) {
        m_crc = UpdateCrc(m_crc, chunk, static_cast<std::size_t>(count));
        Advance(count);
    }
    void Join(std::uint16_t crcFromZero, std::int64_t count) {
        m_crc = CombineCrc(m_crc, crcFromZero, static_cast<std::uint64_t>(count));
        Advance(count);
    }
    StreamCrcResult Result() const {
        StreamCrcResult result;
        result.ok = true;
        result.crc = m_crc;
        result.bytes = m_bytes;
        return result;
    }

private:
    void Advance(std::int64_t count) {
        m_bytes += count;
        JobBytesCheckpoint(m_bytes);
    }
    std::uint16_t m_crc = kCrcInitial;
    std::int64_t m_bytes = 0;
};

// Hashes the chunk in buffer and reads the next into it, one after the
// other, until the end or a failed read.
StreamCrcResult HashInTurn(const ChunkReader& read, unsigned char* buffer, std::int64_t count,
                           RunningCrc& crc) {
    for (; count != 0; count = ReadChunk(read, buffer, kCrcChunkSize)) {
        if (!IsChunk(count, kCrcChunkSize)) {
            return FailedAt(count);
        }
        crc.Hash(buffer, count);
    }
    return crc.Result();
}

// Chunks alternate between this thread and the worker, so that one thread
// reads while the other hashes. Each hashes the chunks it read itself, while
// its cache still holds them; the reads stay in file order, since each one
// starts only after the one before it has ended. Starts with a full chunk in
// own and goes on in turn once a chunk comes back short.
StreamCrcResult HashAlternately(const ChunkReader& read, unsigned char* own, unsigned char* other,
                                ChunkWorker& worker, RunningCrc& crc) {
    std::int64_t count = kCrcChunkSize;
    while (count == static_cast<std::int64_t>(kCrcChunkSize)) {
        ChunkTask next(read, other, kCrcChunkSize);
        worker.Start(next);
        crc.Hash(own, count);
        const std::int64_t otherCount = next.WaitForRead();
        if (!IsChunk(otherCount, kCrcChunkSize)) {
            return otherCount == 0 ? crc.Result() : FailedAt(otherCount);
        }
        count = ReadChunk(read, own, kCrcChunkSize);
        crc.Join(next.WaitForCrc(), otherCount);
    }
    return HashInTurn(read, own, count, crc);
}

}  // namespace

StreamCrcResult ComputeStreamCrc(const ChunkReader& read) {
    unsigned char* own = ChunkBuffer(Buffer::Own);
    if (own == nullptr) {
        return Failed(CrcFailure::NoBuffer);
    }
    RunningCrc crc;
    const std::int64_t count = ReadChunk(read, own, kCrcChunkSize);
    // A file of more than one chunk is shared with the worker thread. Small
    // files need neither its buffer nor its thread, and without either the
    // chunks are read and hashed in turn.
    if (count == static_cast<std::int64_t>(kCrcChunkSize)) {
        unsigned char* other = ChunkBuffer(Buffer::Other);
        ChunkWorker* worker = other != nullptr ? ChunkWorker::Get() : nullptr;
        if (worker != nullptr) {
            return HashAlternately(read, own, other, *worker, crc);
        }
    }
    return HashInTurn(read, own, count, crc);
}
