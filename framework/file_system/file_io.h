#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "framework/file_name.h"

// A file read whole into memory. A file of limit bytes or more is refused
// unread; a file that shrinks while it is read gives what it still held.
enum class FileRead { Read, CannotOpen, TooLarge, ReadFailed };

struct WholeFile {
    FileRead status = FileRead::CannotOpen;
    std::string bytes;  // when Read
};

inline constexpr std::int64_t kAnyFileSize = std::numeric_limits<std::int64_t>::max();

// Throws std::bad_alloc when the file does not fit in memory.
WholeFile ReadWholeFile(const CFileName& path, std::int64_t limit);

// The value of key in section of an INI file, as the system's profile
// functions read it, at most capacity - 1 characters; empty when there is
// none.
std::wstring ReadIniValue(const CFileName& file, const std::wstring& section,
                          const std::wstring& key, std::size_t capacity);

// Writes all of bytes to an open file, console or pipe handle, in pieces
// every system takes; false when a piece could not be written.
bool WriteAll(void* handle, std::string_view bytes);
