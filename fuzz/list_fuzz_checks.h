#pragma once

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "framework/cp932.h"
#include "fuzz/fuzz_check.h"
#include "lists/list_entry.h"
#include "lists/list_fields.h"

// What every entry a list reader yields must satisfy, whatever the text.
inline void CheckEntry(const ListEntry& entry) {
    // Every recorded row and failed name must say which line it was.
    Expect(!entry.name.empty(), "an entry without a name");
    Expect(entry.fault == EntryFault::None || (entry.crc == 0 && entry.size == 0),
           "a faulty entry carries values");
}

// The C library's reading of a CRC field with "%4X", where it is plain: up
// to four hexadecimal digits after white space. Nothing where the field
// begins with a sign or "0x", which the C library takes and the readers
// refuse or stop at, or holds no hexadecimal digit at all.
inline std::optional<std::uint16_t> ReferenceCrc(std::string_view field) {
    const std::string text(field.substr(0, field.find('\0')));
    const std::size_t first = text.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string::npos || !std::isxdigit(static_cast<unsigned char>(text[first])) ||
        (text[first] == '0' && first + 1 < text.size() &&
         (text[first + 1] == 'x' || text[first + 1] == 'X'))) {
        return std::nullopt;
    }
    unsigned value = 0;
    if (std::sscanf(text.c_str(), "%4x", &value) != 1) {
        Finding("sscanf refuses a field that begins with a hex digit");
    }
    return static_cast<std::uint16_t>(value);
}

// The C library's reading of a decimal size field, where it holds a number
// that fits 64 bits.
inline std::optional<std::int64_t> ReferenceSize(std::string_view field) {
    const std::string text(field);
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE) {
        return std::nullopt;
    }
    return value;
}

// Checks an entry's CRC and size against the C library's reading of the
// fields it was cut from. A field the C library cannot read must leave the
// entry faulty; where it can, the entry must hold the same values. Fields
// that the C library and the readers take differently on purpose (a sign
// or "0x" before a CRC) only need to leave some entry.
inline void CheckFieldValues(const ListEntry& entry, std::string_view crcField,
                             std::string_view sizeField) {
    if (entry.fault != EntryFault::None) {
        const bool crcFault = entry.fault == EntryFault::NoCrc ||
                              entry.fault == EntryFault::CrcNotHex ||
                              entry.fault == EntryFault::CrcTooLong;
        if (crcFault) {
            Expect(!ReferenceCrc(crcField) || entry.fault == EntryFault::CrcTooLong,
                   "a readable CRC field was refused");
        } else if (entry.fault == EntryFault::NoSize || entry.fault == EntryFault::SizeNotNumeric) {
            Expect(!ReferenceSize(sizeField), "a readable size field was refused");
        }
        return;
    }
    const std::optional<std::uint16_t> crc = ReferenceCrc(crcField);
    Expect(!crc || *crc == entry.crc, "the CRC differs from the C library's reading");
    const std::optional<std::int64_t> size = ReferenceSize(sizeField);
    Expect(size && *size == entry.size, "the size differs from the C library's reading");
}
