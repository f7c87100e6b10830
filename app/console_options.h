#pragma once

#include <string>
#include <vector>

// What the console checker was asked to do, read from its arguments.
struct ConsoleRequest {
    enum class Action { Check, Help, Version, UsageError };
    Action action = Action::Check;
    // Check: where the files, lists and folders stand among the arguments, in order
    std::vector<std::size_t> pathIndices;
    std::string error;       // UsageError: what was wrong, for the user
    bool recursive = false;  // folders stand for every file below them
    bool quiet = false;      // the report's message lines and total line, not its rows
};

// Options may stand anywhere: "--help" (also "-h" and "/?"), "--version",
// "--recursive" (also "-r"), "--quiet" (also "-q"), and "--", after which every argument is a path
// even if it begins with
// "-" (a lone "-" is a path too). No path, or an unknown option, is a usage
// error. The first "--help" or unknown option decides at once.
ConsoleRequest ParseConsoleArguments(const std::vector<std::string>& arguments);
