#pragma once

#include <string_view>

#include "framework/file_name.h"
#include "lists/list_entry.h"
#include "lists/list_text.h"

// A list's bytes decoded once into lines as its reader takes them: each
// line's code page 932 text and, where the list was written in Unicode, its
// real characters. A list with a byte-order mark is decoded from UTF-8 or
// UTF-16, the mark left out. One without a mark that is valid UTF-8 holding
// non-ASCII characters is read as UTF-8, unless, read as code page 932, it
// names a file that exists where the list looks for it: so every code page
// 932 list that names its files keeps its reading. Characters code page 932
// cannot write become '?' in the text. A line of an unmarked list whose two
// readings name two existing files keeps the other reading's name beside it.
ListLines ReadListLines(std::string_view bytes, ListForm form, const CFileName& listPath);

// True when a ".crc" list begins with "FileName", after its byte-order mark
// if it has one: a column list.
bool BeginsAsColumnList(std::string_view bytes);
