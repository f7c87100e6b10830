#pragma once

#include <string>

// The application's name: the executable's base name, without folder or
// extension. Message boxes are captioned with it and the profile is named
// after it.
std::string ApplicationName();
