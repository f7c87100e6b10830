#pragma once

#include <string>

#include "framework/containers.h"
#include "lists/list_decoding.h"

// Verifies the rows of a report the result window saved, read back by the
// column positions of its first rule line. lines: the list's text lines,
// consumed; drive and dir: where the list lies (as SplitPath gives them).
// real: the real forms of lines whose names code page 932 cannot write.
void VerifyReportList(CStringList& lines, const std::string& drive, const std::string& dir,
                      const RealListText& real = {});
