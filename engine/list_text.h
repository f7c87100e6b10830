#pragma once

#include <cstdint>
#include <string_view>

#include "framework/containers.h"

// How the job runner turns the bytes of a ".txt" or ".crc" list into lines.
// The file is read whole, in binary mode; these functions apply the rules of
// each list form to its bytes.

// A list is read whole into memory, so it must stay below this size.
inline constexpr std::int64_t kListSizeLimit = 1048576;

// The lines of a ".txt" list: the text that text-mode reading yields (CR LF
// as LF, ending at a first Ctrl-Z) with one LF appended, cut at every LF,
// without the empty lines at its head. A text ending in a line break thus
// keeps one empty last line.
CStringList TextListLines(std::string_view bytes);

// True when the first line of a ".txt" list marks it as an SFV-32 list,
// which holds 32-bit CRCs this program does not verify.
bool IsSfv32List(const CStringList& lines);

// True when a ".crc" list is in column form: its first 8 bytes are "FileName".
bool IsColumnList(std::string_view bytes);

// The lines of a delimited ".crc" list. When the bytes hold an LF CR pair
// (a blank line in a CR LF file), every LF CR ends a line; otherwise every
// CR LF does. What follows the last pair is no line. Lines are kept as they
// are, empty ones included.
CStringList CrcListLines(std::string_view bytes);
