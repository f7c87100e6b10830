// Splits arbitrary command lines. Each argument quoted again the way a
// caller would quote it must split back into the same argument; a line
// without quotes splits at its blanks and nowhere else, backslashes and
// double-byte characters (trail bytes 0x5C included) kept as they stand.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "framework/cp932.h"
#include "fuzz/fuzz_check.h"

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

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// What a line without quotes is made of: the runs between its blanks.
std::vector<std::string> BlankSeparatedRuns(std::string_view line) {
    std::vector<std::string> runs;
    std::size_t at = 0;
    while (at < line.size()) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) {
            ++at;
        }
        runs.emplace_back(line.substr(start, at - start));
    }
    return runs;
}

void CheckArgumentText(std::string_view line) {
    const std::string text = ArgumentText(line);
    Expect(line.ends_with(text), "the argument text is not the end of the line");
    Expect(!text.starts_with(' ') && !text.starts_with('\t'), "the argument text starts blank");
    if (line.starts_with('"') && line.find('"', 1) != std::string_view::npos) {
        // A quoted program name may hold blanks; nothing of it is an argument.
        Expect(text.size() < line.size() - line.find('"', 1), "the program name leaks");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    CheckArgumentText(line);
    const std::vector<std::string> arguments = SplitArguments(line);
    if (line.find('"') == std::string_view::npos) {
        Expect(arguments == BlankSeparatedRuns(line), "a line without quotes split elsewhere");
    }
    for (const std::string& argument : arguments) {
        Expect(!argument.empty() || line.find('"') != std::string_view::npos,
               "an empty argument without quotes");
        if (!CanBeQuoted(argument)) {
            continue;
        }
        const auto again = SplitArguments(Quote(argument) + " x");
        Expect(again.size() == 2 && again[0] == argument, "a quoted argument splits otherwise");
    }
    return 0;
}
