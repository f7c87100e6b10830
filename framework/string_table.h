#pragma once

#include <string>

// An entry of the running program's string table in code page 932, or an
// empty string when there is none.
std::string LoadTableString(unsigned id);
