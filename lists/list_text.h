#pragma once

#include <cstdint>
#include <string_view>

#include "framework/containers.h"

// How the job runner turns the bytes of a ".txt" or ".crc" list into lines.
// The file is read whole, in binary mode; these functions apply the rules of
// each list form to its bytes.

// A list is read whole into memory, so it must stay below this size.
inline constexpr std::int64_t kListSizeLimit = 1048576;

// The lines of a list's text. Every CR and every LF ends a line, so that a
// list reads the same whichever convention it was written in (CR LF, LF,
// LF CR); a last line needs no line end. Empty lines are left out: no list
// form gives them a meaning, and no file name can hold a line end.
CStringList CutListLines(std::string_view text);

// The lines of a ".txt" list or a column ".crc" list, which are text: a
// first Ctrl-Z ends them.
CStringList TextListLines(std::string_view bytes);

// True when a text list holds more than white space and Ctrl-Z bytes after
// the Ctrl-Z that ends it: lines its reader never sees.
bool HoldsTextAfterEndMark(std::string_view bytes);

// The lines of a delimited ".crc" list, which is read as bytes: a Ctrl-Z
// is data like any other byte.
CStringList CrcListLines(std::string_view bytes);

// True when the first line of a ".txt" list marks it as an SFV-32 list,
// which holds 32-bit CRCs this program does not verify.
bool IsSfv32List(const CStringList& lines);

// True when a ".crc" list is in column form: its first 8 bytes are "FileName".
bool IsColumnList(std::string_view bytes);
