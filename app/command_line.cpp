#include "app/command_line.h"

#include "framework/cp932.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A lead byte forms one character with the byte after it when that byte can
// be a trail byte; quotes and blanks lie below 0x40 and never can.
bool StartsDoubleByte(std::string_view text, std::size_t at) {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= 0x40;
}

// Reads one argument starting at a non-blank byte; returns it and leaves at
// on the byte after it.
std::string ReadArgument(std::string_view text, std::size_t& at) {
    std::string argument;
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

}  // namespace

std::string ArgumentText(std::string_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        // A quoted program name ends at the next quote; a path holds none.
        const std::size_t close = commandLine.find('"', 1);
        at = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) {
            ++at;
        }
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    return std::string(commandLine.substr(at));
}

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> arguments;
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
