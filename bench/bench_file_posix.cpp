#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "bench/bench_file.h"
#include "engine/stream_crc.h"

std::string BenchTempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

bool WriteBenchFile(const std::string& path, std::int64_t size) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        return false;
    }
    std::vector<std::uint64_t> block(1 << 17);
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    bool ok = true;
    for (std::int64_t done = 0; ok && done < size;) {
        for (auto& word : block) {
            state ^= state << 13, state ^= state >> 7, state ^= state << 17;
            word = state;
        }
        const auto chunk = static_cast<std::size_t>(
            std::min<std::int64_t>(size - done, static_cast<std::int64_t>(block.size() * 8)));
        ok = write(file, block.data(), chunk) == static_cast<ssize_t>(chunk);
        done += static_cast<std::int64_t>(chunk);
    }
    return close(file) == 0 && ok;
}

void RemoveBenchFile(const std::string& path) {
    unlink(path.c_str());
}

BenchFile::BenchFile(const std::string& path) : m_fd(open(path.c_str(), O_RDONLY)) {
    if (IsOpen()) {
        posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
}

BenchFile::~BenchFile() {
    if (IsOpen()) {
        close(m_fd);
    }
}

bool BenchFile::IsOpen() const {
    return m_fd >= 0;
}

std::int64_t BenchFile::Read(unsigned char* buffer, std::size_t capacity) {
    return read(m_fd, buffer, capacity);
}

// ComputeFileCrc is the Windows program's; here the same chunk pipeline
// (read-ahead thread, two buffers, checkpoints) runs over read(2).
std::uint16_t ProgramFileCrc(const std::string& path) {
    BenchFile file(path);
    const StreamCrcResult result =
        ComputeStreamCrc([&file](unsigned char* buffer, std::size_t capacity) {
            return file.Read(buffer, capacity);
        });
    return result.ok ? result.crc : 0;
}

const char* ProgramFileCrcName() {
    return "ComputeStreamCrc over read(2)";
}

std::string BenchPlatform() {
#if defined(__clang__)
    return "host build, clang " __clang_version__;
#else
    return "host build, GCC " __VERSION__;
#endif
}
