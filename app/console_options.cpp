#include "app/console_options.h"

namespace {

bool IsHelpOption(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "/?";
}

}  // namespace

ConsoleRequest ParseConsoleArguments(const std::vector<std::string>& arguments) {
    ConsoleRequest request;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (optionsEnded) {
            request.pathIndices.push_back(index);
        } else if (IsHelpOption(argument)) {
            request.action = ConsoleRequest::Action::Help;
            return request;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--version") {
            request.action = ConsoleRequest::Action::Version;
        } else if (argument == "--recursive" || argument == "-r") {
            request.recursive = true;
        } else if (argument == "--quiet" || argument == "-q") {
            request.quiet = true;
        } else if (argument.size() > 1 && argument.front() == '-') {
            request.action = ConsoleRequest::Action::UsageError;
            request.error = "不明なオプションです (unknown option): " + argument;
            return request;
        } else {
            request.pathIndices.push_back(index);
        }
    }
    if (request.action == ConsoleRequest::Action::Check && request.pathIndices.empty()) {
        request.action = ConsoleRequest::Action::UsageError;
        request.error = "ファイルかフォルダを指定してください (no file or folder given)";
    }
    return request;
}
