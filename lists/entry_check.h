#pragma once

#include <cstdint>
#include <string>

// The order in which a listed file is compared with its list entry.
enum class CheckOrder {
    SizeFirst,  // report and column lists: a differing length fails before any CRC is computed
    CrcFirst,   // delimited lists: an equal CRC passes whatever the listed size
};

// Verifies one listed file and records it in the job state: one row (name,
// CRC or 0xFFFF, size or 0), the name in the failed list unless it matched,
// and one message when it did not. subject names the file in the read-error
// and size messages (the entry's name, or its path for column lists).
void CheckListedFile(const std::string& name, std::uint16_t listedCrc, std::int64_t listedSize,
                     const std::string& path, CheckOrder order, const std::string& subject);
