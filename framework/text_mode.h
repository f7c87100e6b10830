#pragma once

#include <string>
#include <string_view>

// What reading a file in the C runtime's text mode yields from its bytes:
// each CR LF pair becomes LF, a CR not followed by LF stays, and the text
// ends at the first Ctrl-Z (0x1A), which is not part of it.
std::string TextModeContent(std::string_view bytes);

// The bytes that writing text in text mode produces: each LF becomes CR LF.
std::string TextModeBytes(std::string_view text);
