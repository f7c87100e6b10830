#pragma once

#include <string>

#include "engine/message_catalog.h"

// A catalog message with its "%1" replaced by path and its "%2" by detail,
// e.g. CatalogMessage::CannotOpen gives "<path>:ファイルが開けません".
std::string FormatPathMessage(CatalogMessage message, const std::string& path,
                              const std::string& detail = {});
