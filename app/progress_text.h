#pragma once

#include <cstddef>
#include <string>

#include "ui/progress/progress_figures.h"

// The progress line of a running check, such as
// "3 / 120 ファイル  12%  45.6 MB/s  残り 1分20秒  sample.dat": the figures,
// then the name of the file being read. It fits in columns display columns
// (a byte of code page 932 text is one column); a name too long loses its
// beginning, never half a character.
std::string ProgressLine(const ProgressFigures& figures, std::size_t columns);
