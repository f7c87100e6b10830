#pragma once

#include <cstdint>
#include <string>

#include "lists/list_entry.h"

// Verifies one listed file and records it in the job state: one row (name,
// CRC or 0xFFFF, size or 0), the name in the failed list unless it matched,
// and one message when it did not. subject names the file in the read-error
// and size messages (the entry's name, or its path for column lists).
// realPath: the file's real path when code page 932 cannot write it.
void CheckListedFile(const std::string& name, std::uint16_t listedCrc, std::int64_t listedSize,
                     const std::string& path, CheckOrder order, const std::string& subject,
                     const std::wstring& realPath = {});

// Verifies an entry as a list reader cut it from its line. An entry whose
// line could not be read whole is recorded as failed without looking at the
// file: a row with CRC 0xFFFF and size 0, its name in the failed list and a
// message that names what is wrong with the line.
void CheckListEntry(const ListEntry& entry, const std::string& path, CheckOrder order,
                    const std::string& subject, const std::wstring& realPath = {});
