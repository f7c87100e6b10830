#pragma once

#include <string>

#include "framework/file_name.h"

// A checksum list read whole, as every list form is verified from memory.
// A list of kListSizeLimit bytes or more is refused unread; a list that
// shrinks while it is read gives what it still held.
enum class ListRead { Read, CannotOpen, TooLarge, ReadFailed };

struct ListFile {
    ListRead status = ListRead::CannotOpen;
    std::string bytes;  // when Read
};

ListFile ReadListFile(const CFileName& path);
