#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The progress line of a running check, such as
// "[3/120] sample.dat  12,345,678 バイト": the number of the input and how
// many there are, the name of the file being read and the bytes read of it.
// It fits in columns display columns (a byte of code page 932 text is one
// column); a name too long loses its beginning, never half a character.
std::string ProgressLine(std::size_t inputNumber, std::size_t inputCount, const std::string& name,
                         std::int64_t bytesRead, std::size_t columns);
