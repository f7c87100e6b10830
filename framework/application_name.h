#pragma once

#include "framework/file_name.h"

// The application's name: the executable's base name, without folder or
// extension, taken from the module's real name whatever its length.
// Message boxes are captioned with its text and the profile is named after it.
CFileName ApplicationName();
