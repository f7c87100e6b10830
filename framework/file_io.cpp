#include "framework/file_io.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <new>

#include "framework/path_parts.h"

namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr std::size_t kLongPathLimit = 32767;

// A name beside target that no file has yet; CreateFileA with CREATE_NEW
// settles any race.
std::string TemporaryNameBeside(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    char name[48];
    std::snprintf(name, sizeof name, "~vnl%lx%x%x", GetCurrentProcessId(), counter++, attempt);
    const PathParts parts = SplitPath(target);
    return MakePath(parts.drive, parts.dir, name, ".tmp");
}

HANDLE CreateTemporaryBeside(const std::string& target, std::string& temporary) {
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        temporary = TemporaryNameBeside(target, attempt);
        HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool ReadAll(HANDLE file, std::string& content) {
    LARGE_INTEGER size;
    if (GetFileSizeEx(file, &size)) {
        content.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    std::string buffer(kChunk, '\0');
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer.data(), kChunk, &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        content.append(buffer, 0, got);
    }
}

// Reported by ntdll from Windows 10 on: the process's manifest opts in and
// the system allows long paths.
bool LongPathsEnabled() {
    using Query = BOOLEAN(NTAPI*)();
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlAreLongPathsEnabled")));
    return query != nullptr && query() != FALSE;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<std::string> content(std::in_place);
    bool complete = false;
    try {
        complete = ReadAll(file, *content);
    } catch (const std::bad_alloc&) {
        complete = false;
    }
    CloseHandle(file);
    if (!complete) {
        return std::nullopt;
    }
    return content;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    // Opening a read-only file for writing fails; replacing it must too
    // (Windows refuses to, Wine would not).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    std::string temporary;
    HANDLE file = CreateTemporaryBeside(path, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != FALSE;
    if (written && closed &&
        MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileA(temporary.c_str());
    return false;
}

bool FitsPathLimit(std::string_view path) {
    return path.size() < (LongPathsEnabled() ? kLongPathLimit : MAX_PATH);
}
