#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "bench/bench_file.h"
#include "engine/file_crc.h"

std::string BenchTempPath(const std::string& name) {
    char folder[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    return std::string(folder, length) + name;
}

bool WriteBenchFile(const std::string& path, std::int64_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
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
        const auto chunk = static_cast<DWORD>(
            std::min<std::int64_t>(size - done, static_cast<std::int64_t>(block.size() * 8)));
        DWORD written = 0;
        ok = WriteFile(file, block.data(), chunk, &written, nullptr) && written == chunk;
        done += chunk;
    }
    CloseHandle(file);
    return ok;
}

void RemoveBenchFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

// Opened and read as ComputeFileCrc opens and reads a file.
BenchFile::BenchFile(const std::string& path)
    : m_fd(_open(path.c_str(), _O_RDONLY | _O_BINARY | _O_SEQUENTIAL)) {}

BenchFile::~BenchFile() {
    if (IsOpen()) {
        _close(m_fd);
    }
}

bool BenchFile::IsOpen() const {
    return m_fd >= 0;
}

std::int64_t BenchFile::Read(unsigned char* buffer, std::size_t capacity) {
    return _read(m_fd, buffer, static_cast<unsigned>(capacity));
}

std::uint16_t ProgramFileCrc(const std::string& path) {
    return ComputeFileCrc(CFileName::FromText(path));
}

const char* ProgramFileCrcName() {
    return "ComputeFileCrc";
}

std::string BenchPlatform() {
    using WineVersion = const char* (*)();
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto wineVersion = reinterpret_cast<WineVersion>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "wine_get_version")));
    const std::string build = "Windows build, mingw-w64 GCC " __VERSION__;
    return wineVersion != nullptr ? build + ", under Wine " + wineVersion() : build;
}
