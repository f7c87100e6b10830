#pragma once

#include <string>

// The running program's own file, in its real (wide) form, as a shortcut to
// it must name it; empty when the system cannot tell.
std::wstring ModulePath();

// The application's name: the executable's base name, without folder or
// extension. Message boxes are captioned with it and the profile is named
// after it.
std::string ApplicationName();
