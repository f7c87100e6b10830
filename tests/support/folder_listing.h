#pragma once

#include <string>
#include <vector>

// The names of the files (not folders) in folder that match pattern, in the
// order the file system's own search lists them; none when it cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder, const std::string& pattern = "*");
