#pragma once

#include <windows.h>

#include <string>

class TestFolder;

// A program of this build: name in the folder of the running test program.
std::string ProgramPath(const std::string& name);
std::string Quoted(const std::string& path);

// CreateProcessA over the command line. Under a heavily loaded Wine the
// creation of a process now and then fails for a moment; such a failure is
// logged with its error code and tried again a few times before it counts.
bool StartProcess(std::string commandLine, bool inheritHandles, STARTUPINFOA& startup,
                  PROCESS_INFORMATION& process);

// varnelc.exe, run as a user's script runs it: a separate process with its
// output redirected to files.
struct ConsoleRun {
    bool finished = false;  // false: killed after the time allowed
    unsigned long status = 0xFFFFFFFF;
    std::string out;
    std::string err;
};
ConsoleRun RunVarnelc(const std::string& arguments, const TestFolder& scratch,
                      unsigned long milliseconds = 120000);
// Any program of this build, run the same way; commandLine names it.
ConsoleRun RunProgram(const std::string& commandLine, const TestFolder& scratch,
                      unsigned long milliseconds);
