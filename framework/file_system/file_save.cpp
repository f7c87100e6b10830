#include "framework/file_system/file_save.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/file_system/file_handle.h"
#include "framework/file_system/file_io.h"
#include "framework/file_system/file_kind.h"
#include "framework/file_system/system_path.h"
#include "framework/wine_host.h"

namespace {

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
        HANDLE file = OpenFileHandle(temporary, {GENERIC_WRITE, 0, CREATE_NEW, attributes});
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
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
    const std::optional<std::wstring> from = SystemPath(temporary);
    const std::optional<std::wstring> to = SystemPath(target);
    if (!from || !to) {
        return false;
    }
    const bool replacing = targetAttributes != INVALID_FILE_ATTRIBUTES;
    if (replacing && (targetAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
        ReplaceFileKeepsMetadata() &&
        ReplaceFileW(to->c_str(), from->c_str(), nullptr, 0, nullptr, nullptr)) {
        return true;
    }
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replacing ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExW(from->c_str(), to->c_str(), flags) != FALSE;
}

// For a new file beside which no other can be made (every short name taken,
// or a folder that takes no new files), writing it in place is what is left;
// CREATE_NEW makes sure no file that appeared meanwhile is emptied. A write
// that fails part-way leaves a file that is nobody's, which goes.
bool WriteNewInPlace(const CFileName& path, std::string_view bytes) {
    HANDLE file = OpenFileHandle(path, {GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL});
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (CloseHandle(file) && written) {
        return true;
    }
    RemoveFile(path);
    return false;
}

}  // namespace

bool WriteFileAtomically(const CFileName& path, std::string_view bytes) {
    if (!FitsNewFileLimit(path)) {
        return false;
    }
    const DWORD attributes = FileAttributes(path);
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
    RemoveFile(temporary);
    return false;
}
