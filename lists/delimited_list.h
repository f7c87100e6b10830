#pragma once

#include <string>

#include "framework/containers.h"
#include "lists/list_decoding.h"

// Verifies a ".crc" list whose lines hold a name, a CRC and a size separated
// by two characters, CRC first. lines are consumed; drive and dir: where the
// list lies.
// real: the real forms of lines whose names code page 932 cannot write.
void VerifyDelimitedList(CStringList& lines, const std::string& drive, const std::string& dir,
                         const RealListText& real = {});
