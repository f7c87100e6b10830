// Splits arbitrary command lines; each argument quoted again the way a
// caller would quote it must split back into the same argument.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "framework/cp932.h"

namespace {

// Quotes an argument for the splitter: backslashes are doubled only before
// a quote, double-byte characters are copied whole.
std::string Quote(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < argument.size() &&
            static_cast<unsigned char>(argument[i + 1]) >= 0x40) {
            quoted.append(argument, i, 2);
            ++i;
            backslashes = 0;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes + 1, '\\');
        }
        backslashes = c == '\\' ? backslashes + 1 : 0;
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

// A lead byte standing alone before a quote cannot be written back: the
// escaping backslash would pair with it.
bool CanBeQuoted(const std::string& argument) {
    for (std::size_t i = 0; i + 1 < argument.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(argument[i])) && argument[i + 1] == '"') {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string text = ArgumentText(line);
    if (!line.ends_with(text) || text.starts_with(' ') || text.starts_with('\t')) {
        std::abort();
    }
    for (const std::string& argument : SplitArguments(line)) {
        if (!CanBeQuoted(argument)) {
            continue;
        }
        const auto again = SplitArguments(Quote(argument) + " x");
        if (again.size() != 2 || again[0] != argument) {
            std::abort();
        }
    }
    return 0;
}
