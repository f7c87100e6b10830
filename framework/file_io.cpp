#include "framework/file_io.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <new>

#include "framework/cp932.h"
#include "framework/path_parts.h"
#include "framework/wide_path.h"

namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr std::size_t kLongPathLimit = 32767;
constexpr std::size_t kTemporaryNameLimit = 12;
constexpr unsigned kTemporaryAttempts = 16;
constexpr std::size_t kReplaceFileNameLength = 10;  // "rf", four hex digits, ".tmp"
// What a replaced file keeps; a new file can be created with these.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A name for a new file beside one named name ("~" and base-36 digits, the
// fastest-changing first), no longer than name, so that its path fits
// wherever the target's does. Lengths count characters, as the file
// functions do once they have converted a path.
std::string TemporaryName(const std::string& name) {
    static std::atomic<unsigned> counter{0};
    const std::size_t room = std::min(WidenText(name).size(), kTemporaryNameLimit);
    std::uint64_t unique = (std::uint64_t{GetCurrentProcessId()} << 32) | counter++;
    std::string temporary = "~";
    for (; temporary.size() < room; unique /= 36) {
        temporary += "0123456789abcdefghijklmnopqrstuvwxyz"[unique % 36];
    }
    return temporary;
}

// A file beside target that no file had: CREATE_NEW settles any race.
HANDLE CreateTemporaryBeside(const std::string& target, DWORD attributes, std::string& temporary) {
    const std::string name = FinalComponent(target);
    for (unsigned attempt = 0; !name.empty() && attempt < kTemporaryAttempts; ++attempt) {
        const std::string temporaryName = TemporaryName(name);
        if (EqualsIgnoreAsciiCase(temporaryName, name)) {
            continue;
        }
        temporary = target.substr(0, target.size() - name.size()) + temporaryName;
        HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  attributes, nullptr);
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

// ReplaceFile gives the new file what the replaced one had: attributes,
// permissions, creation time. Wine's keeps none of them, and moves the
// replaced file aside under a name of its own ("rf", up to four hex digits,
// ".tmp") built in a buffer of MAX_PATH characters, which it reads past when
// the name does not fit. There, and wherever ReplaceFile fails, the new
// file, made with the target's attributes, is moved over the target.
bool TakePlaceOf(const std::string& temporary, const std::string& target, bool replacing) {
    const std::size_t folderLength =
        WidenText(target).size() - WidenText(FinalComponent(target)).size();
    if (replacing && folderLength + kReplaceFileNameLength < MAX_PATH &&
        ReplaceFileA(target.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)) {
        return true;
    }
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replacing ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExA(temporary.c_str(), target.c_str(), flags) != FALSE;
}

// For a target beside which no file can be made (every short name taken,
// or a folder that takes no new files), writing the target itself is what
// is left. That gives up keeping the earlier file whole: a write that fails
// part-way leaves neither the old content nor the new, so the remains are
// removed.
bool WriteInPlace(const std::string& path, std::string_view bytes, DWORD attributes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (CloseHandle(file) && written) {
        return true;
    }
    DeleteFileA(path.c_str());
    return false;
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
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    // Opening a read-only file for writing fails; replacing it must too
    // (Windows refuses to, Wine would not). Nor is a folder replaced: Wine
    // would move it aside.
    if (replacing && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    const DWORD kept = replacing ? attributes & kKeptAttributes : 0;
    const DWORD creation = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
    std::string temporary;
    HANDLE file = CreateTemporaryBeside(path, creation, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        return WriteInPlace(path, bytes, creation);
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != FALSE;
    if (written && closed && TakePlaceOf(temporary, path, replacing)) {
        return true;
    }
    DeleteFileA(temporary.c_str());
    return false;
}

bool FitsPathLimit(std::string_view path) {
    return WidenText(path).size() < (LongPathsEnabled() ? kLongPathLimit : MAX_PATH);
}
