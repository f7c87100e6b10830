#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Why a file's CRC could not be computed.
enum class CrcFailure {
    CannotOpen,  // the file could not be opened
    ReadFailed,  // reading failed part-way: the bytes read so far are not the file
    NoBuffer,    // the read buffer could not be obtained
    Stopped,     // the job was stopped before the end of the file
};

// Files are read through one buffer of this size, whatever their length.
inline constexpr std::size_t kCrcChunkSize = 1 << 20;

// A reader gives this instead of a chunk when the job is being stopped.
inline constexpr std::int64_t kReadStopped = -2;

// Reads up to capacity bytes into buffer: a count above 0, 0 at the end of the
// data, kReadStopped, or another negative value when reading failed (an
// exception counts as a failed read). After the first chunk it may be called on another thread,
// one call at a time, in order.
using ChunkReader = std::function<std::int64_t(unsigned char* buffer, std::size_t capacity)>;

struct StreamCrcResult {
    bool ok = false;
    CrcFailure failure = CrcFailure::ReadFailed;
    std::uint16_t crc = 0;
    std::int64_t bytes = 0;
};

// The CRC of everything the reader yields, chunk by chunk, passing a job
// checkpoint after each chunk. A read error fails the whole computation.
// Reading the next chunk overlaps hashing the current one, with at most two
// chunk buffers whatever the length, kept by the calling thread for its
// next file.
StreamCrcResult ComputeStreamCrc(const ChunkReader& read);
