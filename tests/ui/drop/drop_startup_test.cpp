// The program started without arguments: the drop window, until it closes.

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"

namespace {

std::string ProgramPath(const std::string& name) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string own(path, length);
    return own.substr(0, own.rfind('\\') + 1) + name;
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDropWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[32] = {};
    GetWindowTextW(window, caption, 32);
    if (owner == search->processId && IsWindowVisible(window) &&
        std::wstring(caption) == L"Varnel") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST(DropStartupTest, WithoutArgumentsTheProgramShowsTheDropWindowAndEndsWhenItCloses) {
    std::string commandLine = ProgramPath("varnel.exe");
    commandLine.insert(commandLine.begin(), '"');
    commandLine.push_back('"');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    Search search{process.dwProcessId, nullptr};
    for (int i = 0; i < 300 && search.found == nullptr; ++i) {
        Sleep(100);
        EnumWindows(MatchDropWindow, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr);
    EXPECT_NE(GetWindowLongPtrA(search.found, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    EXPECT_NE(GetWindowLongPtrA(search.found, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

    PostMessageA(search.found, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 1000), WAIT_OBJECT_0)
        << "the process outlived its window by a second";
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    // The window's place is kept where a standard user can write.
    char appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
    const std::string profile = ReadFileBytes(std::string(appData) + "\\Varnel\\varnel.INI");
    EXPECT_NE(profile.find("[Window]"), std::string::npos);
    EXPECT_NE(profile.find("OnTop="), std::string::npos);
}

}  // namespace
