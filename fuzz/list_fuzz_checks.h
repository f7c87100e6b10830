#pragma once

#include <cstdlib>
#include <string>

#include "lists/list_entry.h"
#include "lists/path_rules.h"

// What every entry a list reader yields must satisfy, whatever the text.
inline void CheckEntry(const ListEntry& entry) {
    if (entry.name.empty()) {
        std::abort();  // every recorded row and failed name must say which line it was
    }
    if (entry.fault != EntryFault::None && (entry.crc != 0 || entry.size != 0)) {
        std::abort();
    }
    const std::string joined = SplitJoinPath("C:", "\\d\\", entry.name);
    if (joined.compare(0, 5, "C:\\d\\") != 0) {
        std::abort();
    }
}
