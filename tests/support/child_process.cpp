#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/test_files.h"

namespace {

constexpr int kStartAttempts = 4;
constexpr DWORD kRetryPause = 500;  // milliseconds

HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string ProgramPath(const std::string& name) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string self(path, length);
    return self.substr(0, self.rfind('\\') + 1) + name;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

bool StartProcess(std::string commandLine, bool inheritHandles, STARTUPINFOA& startup,
                  PROCESS_INFORMATION& process) {
    for (int attempt = 1; attempt <= kStartAttempts; ++attempt) {
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, inheritHandles, 0,
                           nullptr, nullptr, &startup, &process)) {
            return true;
        }
        std::fprintf(stderr, "attempt %d to start %s failed with error %lu\n", attempt,
                     commandLine.c_str(), GetLastError());
        Sleep(kRetryPause);
    }
    return false;
}

ConsoleRun RunVarnelc(const std::string& arguments, const TestFolder& scratch,
                      unsigned long milliseconds) {
    return RunProgram(Quoted(ProgramPath("varnelc.exe")) + " " + arguments, scratch, milliseconds);
}

ConsoleRun RunProgram(const std::string& commandLine, const TestFolder& scratch,
                      unsigned long milliseconds) {
    // Fresh files for each run: a child's handles may outlive the moment
    // its process is seen to end, and must not leave an earlier run's output.
    static int runs = 0;
    const std::string number = std::to_string(++runs);
    const std::string outPath = scratch.PathOf("stdout" + number + ".bin");
    const std::string errPath = scratch.PathOf("stderr" + number + ".bin");
    HANDLE out = InheritableFile(outPath);
    HANDLE err = InheritableFile(errPath);
    EXPECT_TRUE(out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ConsoleRun run;
    if (StartProcess(commandLine, true, startup, process)) {
        run.finished = WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0;
        if (!run.finished) {
            TerminateProcess(process.hProcess, 0xDEAD);
            WaitForSingleObject(process.hProcess, 10000);
        }
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        ADD_FAILURE() << "cannot start " << commandLine;
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadFileBytes(outPath);
    run.err = ReadFileBytes(errPath);
    return run;
}
