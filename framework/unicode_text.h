#pragma once

#include <string>
#include <string_view>

// Text in the Unicode encodings lists are saved in, to and from the wide
// text of the system. Invalid sequences become U+FFFD.
std::wstring Utf8ToWide(std::string_view bytes);
std::string WideToUtf8(std::wstring_view text);
// UTF-16 bytes, little-endian unless bigEndian; an odd last byte is dropped.
std::wstring Utf16ToWide(std::string_view bytes, bool bigEndian);
std::string WideToUtf16(std::wstring_view text, bool bigEndian);
