#pragma once

#include <string_view>

// Checks the paths of the argument text at once, on a worker while this
// thread shows the progress of a check that takes a while, then shows the
// report until the user closes it. Paths are split as the C runtime splits
// a command line, so quoted paths with blanks stay whole.
void RunCommandLineCheck(std::wstring_view argumentText);
