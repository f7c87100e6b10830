#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The file operations the benchmark times, through the platform's own calls.

// A path for name in the system's temporary folder.
std::string BenchTempPath(const std::string& name);
// Writes size bytes of varied content; false when that failed.
bool WriteBenchFile(const std::string& path, std::int64_t size);
void RemoveBenchFile(const std::string& path);

// A file read from start to end in chunks, the way the program reads one.
class BenchFile {
public:
    explicit BenchFile(const std::string& path);
    ~BenchFile();
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;

    bool IsOpen() const;
    // Up to capacity bytes: a count, 0 at the end, -1 on failure.
    std::int64_t Read(unsigned char* buffer, std::size_t capacity);

private:
    int m_fd;
};

// The program's own CRC of a whole file, and what that is called here.
std::uint16_t ProgramFileCrc(const std::string& path);
const char* ProgramFileCrcName();

// Where the benchmark runs: the build and, on Windows, whether under Wine.
std::string BenchPlatform();
