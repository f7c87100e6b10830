// Splits arbitrary command lines. No argument ever holds a quote; each
// argument quoted again the way a caller would quote it splits back into
// the same argument; a line without quotes splits at its blanks and nowhere
// else, backslashes kept as they stand.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// What a line without quotes is made of: the runs between its blanks.
std::vector<std::wstring> BlankSeparatedRuns(std::wstring_view line) {
    std::vector<std::wstring> runs;
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

void CheckArgumentText(std::wstring_view line) {
    const std::wstring text = ArgumentText(line);
    Expect(line.ends_with(text), "the argument text is not the end of the line");
    Expect(!text.starts_with(L' ') && !text.starts_with(L'\t'), "the argument text starts blank");
    if (line.starts_with(L'"') && line.find(L'"', 1) != std::wstring_view::npos) {
        // A quoted program name may hold blanks; nothing of it is an argument.
        Expect(text.size() < line.size() - line.find(L'"', 1), "the program name leaks");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each byte one character: quotes, blanks and backslashes are what matter.
    const std::wstring line(data, data + size);
    CheckArgumentText(line);
    const std::vector<std::wstring> arguments = SplitArguments(line);
    if (line.find(L'"') == std::wstring::npos) {
        Expect(arguments == BlankSeparatedRuns(line), "a line without quotes split elsewhere");
    }
    for (const std::wstring& argument : arguments) {
        Expect(argument.find(L'"') == std::wstring::npos, "a quote became part of an argument");
        Expect(!argument.empty() || line.find(L'"') != std::wstring::npos,
               "an empty argument without quotes");
        const auto again = SplitArguments(L"\"" + argument + L"\" x");
        Expect(again.size() == 2 && again[0] == argument, "a quoted argument splits otherwise");
    }
    return 0;
}
