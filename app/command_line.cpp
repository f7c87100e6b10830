#include "app/command_line.h"

#include "framework/cp932.h"

namespace {

template <class Char>
bool IsBlank(Char c) {
    return c == ' ' || c == '\t';
}

// A lead byte forms one character with the byte after it when that byte can
// be a trail byte; quotes and blanks lie below 0x40 and never can. Wide
// text has no such pairs to keep whole.
bool StartsDoubleByte(std::string_view text, std::size_t at) {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= 0x40;
}

bool StartsDoubleByte(std::wstring_view, std::size_t) {
    return false;
}

// Reads one argument starting at a non-blank character; returns it and
// leaves at on the character after it.
template <class Char>
std::basic_string<Char> ReadArgument(std::basic_string_view<Char> text, std::size_t& at) {
    std::basic_string<Char> argument;
    bool quoted = false;
    while (at < text.size()) {
        std::size_t backslashes = 0;
        while (at < text.size() && text[at] == '\\') {
            ++backslashes;
            ++at;
        }
        if (at < text.size() && text[at] == '"') {
            argument.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                argument += '"';
            } else if (quoted && at + 1 < text.size() && text[at + 1] == '"') {
                // "" inside quotes stands for one quote, and the quotes go on.
                argument += '"';
                ++at;
            } else {
                quoted = !quoted;
            }
            ++at;
            continue;
        }
        argument.append(backslashes, '\\');
        if (at == text.size() || (!quoted && IsBlank(text[at]))) {
            break;
        }
        const std::size_t length = StartsDoubleByte(text, at) ? 2 : 1;
        argument.append(text.substr(at, length));
        at += length;
    }
    return argument;
}

template <class Char>
std::basic_string<Char> ArgumentTextOf(std::basic_string_view<Char> commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        // A quoted program name ends at the next quote; a path holds none.
        const std::size_t close = commandLine.find('"', 1);
        at = close == std::basic_string_view<Char>::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) {
            ++at;
        }
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    return std::basic_string<Char>(commandLine.substr(at));
}

template <class Char>
std::vector<std::basic_string<Char>> SplitArgumentsOf(std::basic_string_view<Char> text) {
    std::vector<std::basic_string<Char>> arguments;
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

}  // namespace

std::string ArgumentText(std::string_view commandLine) {
    return ArgumentTextOf(commandLine);
}

std::wstring ArgumentText(std::wstring_view commandLine) {
    return ArgumentTextOf(commandLine);
}

std::vector<std::string> SplitArguments(std::string_view text) {
    return SplitArgumentsOf(text);
}

std::vector<std::wstring> SplitArguments(std::wstring_view text) {
    return SplitArgumentsOf(text);
}
