#pragma once

#include <string>

#include "framework/containers.h"

// Verifies a ".crc" list whose lines hold a name, a CRC and a size separated
// by two characters, CRC first. lines are consumed; drive and dir: where the
// list lies.
void VerifyDelimitedList(CStringList& lines, const std::string& drive, const std::string& dir);
