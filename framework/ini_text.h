#pragma once

#include <string>
#include <string_view>

// The text of an INI file with key's value in section set, everything else
// kept byte for byte: the section's first line for key is replaced, or a
// line is added after the section's last one, or the section is added at
// the end. Section and key names compare without ASCII case and blanks
// around them, as the system's profile functions read them; lines are
// written with CR LF.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);
