#pragma once

#include "framework/file_name.h"

// The running program's own file, in its real (wide) form, as a shortcut to
// it must name it; empty when the system cannot tell.
std::wstring ModulePath();

// The application's name: the executable's base name, without folder or
// extension, taken from the module's real name whatever its length.
// Message boxes are captioned with its text and the profile is named after it.
CFileName ApplicationName();
