#pragma once

#include <string>

// A string-table message with its "%1" replaced by path and its "%2" by
// detail, e.g. IDS_CANNOT_OPEN gives "<path>:ファイルが開けません".
std::string FormatPathMessage(unsigned stringId, const std::string& path,
                              const std::string& detail = {});
