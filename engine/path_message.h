#pragma once

#include <string>

// A string-table message with its "%1" replaced by path, e.g.
// IDS_CANNOT_OPEN gives "<path>:ファイルが開けません".
std::string FormatPathMessage(unsigned stringId, const std::string& path);
