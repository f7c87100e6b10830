#include "app/command_line.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Reads one argument starting at a non-blank character; returns it and
// leaves at on the character after it.
std::wstring ReadArgument(std::wstring_view text, std::size_t& at) {
    std::wstring argument;
    bool quoted = false;
    for (; at < text.size(); ++at) {
        const wchar_t c = text[at];
        if (c == L'"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(c)) {
            break;
        } else {
            argument += c;
        }
    }
    return argument;
}

}  // namespace

std::wstring ArgumentText(std::wstring_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        // A quoted program name ends at the next quote; a path holds none.
        const std::size_t close = commandLine.find(L'"', 1);
        at = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) {
            ++at;
        }
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    return std::wstring(commandLine.substr(at));
}

std::vector<std::wstring> SplitArguments(std::wstring_view text) {
    std::vector<std::wstring> arguments;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            return arguments;
        }
        arguments.push_back(ReadArgument(text, at));
    }
}
