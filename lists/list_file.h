#pragma once

#include <string>

// A checksum list read whole, as every list form is verified from memory.
// A list of kListSizeLimit bytes or more is refused unread; a list that
// shrinks while it is read gives what it still held.
enum class ListRead { Read, CannotOpen, TooLarge, ReadFailed };

struct ListFile {
    ListRead status = ListRead::CannotOpen;
    std::string bytes;  // when Read
};

// realPath: the list's real path when code page 932 cannot write it.
ListFile ReadListFile(const std::string& path, const std::wstring& realPath = {});
