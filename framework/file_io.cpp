#include "framework/file_io.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <new>

#include "framework/file_name.h"
#include "framework/wine_host.h"

namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr std::size_t kLongPathLimit = 32767;
constexpr std::size_t kTemporaryNameLimit = 12;
constexpr unsigned kTemporaryAttempts = 16;
// What a replaced file keeps; a new file can be created with these.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A name for a new file beside one named name ("~" and base-36 digits, the
// fastest-changing first), no longer than name, so that its path fits
// wherever the target's does.
std::wstring TemporaryName(std::wstring_view name) {
    static std::atomic<unsigned> counter{0};
    const std::size_t room = std::min(name.size(), kTemporaryNameLimit);
    std::uint64_t unique = (std::uint64_t{GetCurrentProcessId()} << 32) | counter++;
    std::wstring temporary = L"~";
    for (; temporary.size() < room; unique /= 36) {
        temporary += L"0123456789abcdefghijklmnopqrstuvwxyz"[unique % 36];
    }
    return temporary;
}

// A file beside target that no file had: CREATE_NEW settles any race. The
// name is all lower case, so no other case of it can be target's own.
HANDLE CreateTemporaryBeside(const CFileName& target, DWORD attributes, CFileName& temporary) {
    const std::wstring name = target.FinalComponent().Real();
    for (unsigned attempt = 0; !name.empty() && attempt < kTemporaryAttempts; ++attempt) {
        const std::wstring temporaryName = TemporaryName(name);
        if (CompareStringOrdinal(temporaryName.c_str(), -1, name.c_str(), -1, TRUE) == CSTR_EQUAL) {
            continue;
        }
        temporary = target.Folder().Child(temporaryName);
        HANDLE file = CreateFileW(temporary.SystemPath().c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, attributes, nullptr);
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
// permissions, creation time. Wine's keeps none of them, deletes the file a
// link leads to (and shows no link to a file as a reparse point, so none
// can be told from a file there), and leaves an empty "rfXXXX.tmp" of its
// own beside a target it failed to move. Under Wine a plain move serves.
bool ReplaceFileKeepsMetadata() {
    return !RunningUnderWine();
}

// Where ReplaceFile cannot serve, the new file, made with the target's
// attributes, is moved over the target. A link or junction is always
// replaced so, as the name it is: the file it leads to is not the one the
// user named.
bool TakePlaceOf(const CFileName& temporary, const CFileName& target, DWORD targetAttributes) {
    const bool replacing = targetAttributes != INVALID_FILE_ATTRIBUTES;
    if (replacing && (targetAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
        ReplaceFileKeepsMetadata() &&
        ReplaceFileW(target.SystemPath().c_str(), temporary.SystemPath().c_str(), nullptr, 0,
                     nullptr, nullptr)) {
        return true;
    }
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replacing ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExW(temporary.SystemPath().c_str(), target.SystemPath().c_str(), flags) != FALSE;
}

// For a new file beside which no other can be made (every short name taken,
// or a folder that takes no new files), writing it in place is what is left;
// CREATE_NEW makes sure no file that appeared meanwhile is emptied. A write
// that fails part-way leaves a file that is nobody's, which goes.
bool WriteNewInPlace(const CFileName& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.SystemPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (CloseHandle(file) && written) {
        return true;
    }
    DeleteFileW(path.SystemPath().c_str());
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

std::optional<std::string> ReadWholeFile(const CFileName& path) {
    HANDLE file =
        CreateFileW(path.SystemPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
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

bool WriteFileAtomically(const CFileName& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesW(path.SystemPath().c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    // Opening a read-only file for writing fails; replacing it must too
    // (Windows refuses to, Wine would not). Nor is a folder replaced: Wine
    // would move it aside.
    if (replacing && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    const DWORD kept = replacing ? attributes & kKeptAttributes : 0;
    const DWORD creation = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
    CFileName temporary;
    HANDLE file = CreateTemporaryBeside(path, creation, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        // Writing in place would empty the earlier file before the new one
        // is whole.
        return !replacing && WriteNewInPlace(path, bytes);
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != FALSE;
    if (written && closed && TakePlaceOf(temporary, path, attributes)) {
        return true;
    }
    DeleteFileW(temporary.SystemPath().c_str());
    return false;
}

bool FitsPathLimit(const CFileName& path) {
    return path.Real().size() < (LongPathsEnabled() ? kLongPathLimit : MAX_PATH);
}
