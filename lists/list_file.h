#pragma once

#include "framework/file_name.h"
#include "framework/file_system/file_io.h"

// A checksum list read whole, as every list form is verified from memory.
// A list of kListSizeLimit bytes or more is refused unread; a list that
// shrinks while it is read gives what it still held.
using ListRead = FileRead;
using ListFile = WholeFile;

ListFile ReadListFile(const CFileName& path);
