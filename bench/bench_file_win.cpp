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

// Opened as ComputeFileCrc opens a file.
BenchFile::BenchFile(const std::string& path)
    : m_handle(reinterpret_cast<std::intptr_t>(CreateFileA(
          path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr))) {}

BenchFile::~BenchFile() {
    if (IsOpen()) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    }
}

bool BenchFile::IsOpen() const {
    return reinterpret_cast<HANDLE>(m_handle) != INVALID_HANDLE_VALUE;
}

std::int64_t BenchFile::Read(unsigned char* buffer, std::size_t capacity) {
    DWORD count = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), buffer, static_cast<DWORD>(capacity), &count,
                  nullptr)) {
        return -1;
    }
    return count;
}

std::uint16_t ProgramFileCrc(const std::string& path) {
    return ComputeFileCrc(path);
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
