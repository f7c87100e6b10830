#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Byte-string helpers for code page 932 (Shift-JIS). A double-byte character
// is a lead byte (0x81-0x9F, 0xE0-0xFC) and a trail byte (0x40-0xFC), and a
// trail byte can be 0x5C, the backslash ("表", "ソ", "能"). Searches for the
// backslash must step over whole characters. Every other delimiter the
// program looks for (space, comma, tab, line ends, '-', '.', '/', ':', '@')
// lies below 0x40 and can never be a trail byte.

inline bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Position of the last path separator ('\\' or '/') that is a character of
// its own, or npos.
std::size_t FindLastSeparator(std::string_view path);

// True when the last character of path is a separator ('\\' or '/').
bool EndsWithSeparator(std::string_view path);

// Space, tab, CR, LF, vertical tab and form feed; never part of a
// double-byte character.
inline bool IsAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimAsciiSpace(std::string_view text);
std::string_view TrimAsciiSpaceRight(std::string_view text);

// The byte with A-Z mapped to a-z; every other byte, those of double-byte
// characters included, unchanged.
inline char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Comparisons that ignore the case of the ASCII letters A-Z only, byte by
// byte (the bytes of double-byte characters included).
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix);

// text with every control byte (0x00-0x1F and 0x7F, never part of a
// double-byte character) written as "<XX>" in hexadecimal: CR LF becomes
// "<0D><0A>". No file name holds such a byte, and '<' and '>' are no
// characters of a file name either, so the result names no other file.
std::string VisibleText(std::string_view text);
