#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/command_line_mode.h"
#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "framework/cp932_text.h"
#include "framework/profile.h"
#include "res/resource.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"
#include "tests/support/window_capture.h"
#include "tests/support/window_probe.h"

namespace {

// "比較結果" in code page 932: the result window's caption.
const std::string kResultCaption = "\x94\xE4\x8A\x72\x8C\x8B\x89\xCA";

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// Starts a program of this build with the argument text; its standard
// output goes to outputPath when one is given.
PROCESS_INFORMATION Start(const std::string& program, const std::string& arguments,
                          const std::string& outputPath = {}) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = INVALID_HANDLE_VALUE;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!outputPath.empty()) {
        output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    const std::string commandLine = Quoted(ProgramPath(program)) + " " + arguments;
    PROCESS_INFORMATION process = {};
    const bool started = StartProcess(commandLine, !outputPath.empty(), startup, process);
    if (output != INVALID_HANDLE_VALUE) {
        CloseHandle(output);
    }
    EXPECT_TRUE(started) << commandLine;
    return process;
}

DWORD WaitForExit(const PROCESS_INFORMATION& process, DWORD milliseconds) {
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

// The report the console checker prints for the same arguments.
std::string ConsoleReport(const TestFolder& folder, const std::string& arguments) {
    const std::string output = folder.PathOf("console.out");
    WaitForExit(Start("varnelc.exe", arguments, output), 60000);
    const std::string bytes = ReadFileBytes(output);
    DeleteFileA(output.c_str());
    return bytes;
}

// A folder of files to check: files, a folder whose name has a blank, a
// file with a double-byte name, and a saved report listing one file with a
// wrong size.
class StartupTest : public ::testing::Test {
protected:
    // As the program's start-up does before any check.
    static void SetUpTestSuite() { BuildCrcTable(); }

    void SetUp() override {
        SetProfilePathForTesting(folder.PathOf("varnel.INI"));
        folder.Write("a.bin", "123456789");
        const std::string sub = folder.MakeFolder("sub folder");
        folder.Write("sub folder\\b.dat", std::string(3000, 'b'));
        folder.Write("sub folder\\表.txt", "not a list\r\n");
        folder.Write("sums.txt",
                     "Name   CRC   Bytes\r\n-----  ----  -----\r\na.bin  6F91     10\r\n"
                     "------------------\r\nTotal  1 Files  10 Bytes\r\n");
        arguments = Quoted(folder.PathOf("a.bin")) + "  " + Quoted(sub) + " " +
                    folder.PathOf("sums.txt") + "\t" + folder.PathOf("missing.bin");
    }
    void TearDown() override { SetProfilePathForTesting(""); }

    TestFolder folder;
    std::string arguments;
};

// Done when the window shows what the console checker prints and saves
// exactly those bytes: the whole way, through the real save dialog.
TEST_F(StartupTest, CommandLineCheckShowsAndSavesWhatTheConsoleCheckerPrints) {
    const std::string expected = ConsoleReport(folder, arguments);
    ASSERT_FALSE(expected.empty());
    const std::string savedPath = folder.PathOf("saved.txt");
    std::vector<std::string> shown;
    int step = 0;
    const CModalDriver driver([&] {
        const HWND window = FindThreadWindow(kResultCaption);
        if (window == nullptr) {
            return false;
        }
        const HWND dialog = FindOwnedWindow(window);
        if (step == 0) {
            shown = ListBoxLines(GetDlgItem(window, IDC_RESULT_LIST));
            PostMessageA(window, WM_SYSCOMMAND, IDM_SAVE_RESULT, 0);
            step = 1;
        } else if (step == 1 && dialog != nullptr) {
            SetDlgItemTextA(dialog, 0x47C, folder.PathOf("saved").c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            step = 2;
        } else if (step == 2 && dialog == nullptr) {
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        }
        return false;
    });
    RunCommandLineCheck(WidenText(arguments));
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(JoinLines(shown), expected);
    EXPECT_EQ(ReadFileBytes(savedPath), expected);
    // The paths with blanks were checked whole, and the list was verified.
    EXPECT_NE(expected.find("b.dat"), std::string::npos);
    EXPECT_NE(expected.find("\x95\x5C.txt"), std::string::npos);
    EXPECT_NE(expected.find("missing.bin"), std::string::npos);
}

// A check that takes a while shows the progress window, where 中止 stops it;
// the result window then lists what was checked and says it stopped.
TEST_F(StartupTest, ALongCheckShowsItsProgressAndStopsAtTheButton) {
    struct SlowDisk : JobObserver {
        void OnInputStarted(const std::string&) override {}
        void OnBytesRead(std::int64_t) override { Sleep(10); }
    } disk;
    SetJobObserver(&disk);
    const std::string big = folder.PathOf("big.bin");
    HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = std::int64_t{1} << 30;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    std::vector<std::string> figures;
    std::vector<std::string> shown;
    const CModalDriver driver([&] {
        const HWND progress = FindThreadWindow("\x8C\x76\x8E\x5A\x92\x86...");  // 計算中...
        if (progress != nullptr && figures.empty() &&
            !WindowText(GetDlgItem(progress, IDC_PROGRESS_TIME_LEFT)).empty()) {
            for (const int id : {IDC_PROGRESS_NAME, IDC_PROGRESS_FILES, IDC_PROGRESS_BYTES}) {
                figures.push_back(WindowText(GetDlgItem(progress, id)));
            }
            figures.push_back(
                std::to_string(SendDlgItemMessageA(progress, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0)));
            CaptureScreenshotIfAsked(progress, "progress_window");
            PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        const HWND result = FindThreadWindow(kResultCaption);
        if (result != nullptr) {
            shown = ListBoxLines(GetDlgItem(result, IDC_RESULT_LIST));
            PostMessageA(result, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return result != nullptr;
    });
    RunCommandLineCheck(WidenText(Quoted(folder.PathOf("a.bin")) + " " + Quoted(big) + " " +
                                  Quoted(folder.PathOf("sums.txt"))));
    SetJobObserver(nullptr);
    ASSERT_EQ(figures.size(), 4u);
    EXPECT_EQ(figures[0], "big.bin");
    EXPECT_EQ(figures[1], "2 / 2 \x83\x74\x83\x40\x83\x43\x83\x8B");  // ファイル
    EXPECT_NE(figures[2].find(" / 1,073,741,833 "), std::string::npos) << figures[2];
    EXPECT_LT(std::stoi(figures[3]), 100);
    // The list after the stop was not read; a.bin was checked.
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], kStoppedMessage);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "a.bin  6F91      9"), shown.end());
}

TEST_F(StartupTest, BlanksAloneCheckNothingAndSaySo) {
    std::vector<std::string> shown;
    const CModalDriver driver([&] {
        const HWND window = FindThreadWindow(kResultCaption);
        if (window != nullptr) {
            shown = ListBoxLines(GetDlgItem(window, IDC_RESULT_LIST));
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return window != nullptr;
    });
    RunCommandLineCheck(L"   ");
    EXPECT_EQ(shown, std::vector<std::string>{kNoInputMessage});
}

TEST_F(StartupTest, OnlyChecksumListsWithoutErrorsGiveTheNoErrorsLine) {
    folder.Write("good.txt",
                 "Name   CRC   Bytes\r\n-----  ----  -----\r\na.bin  6F91      9\r\n"
                 "------------------\r\nTotal  1 Files  9 Bytes\r\n");
    std::vector<std::string> shown;
    const CModalDriver driver([&] {
        const HWND window = FindThreadWindow(kResultCaption);
        if (window != nullptr) {
            shown = ListBoxLines(GetDlgItem(window, IDC_RESULT_LIST));
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return window != nullptr;
    });
    RunCommandLineCheck(WidenText(folder.PathOf("good.txt")));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], kNoErrorsMessage);
}

// The window of another process, found among all top-level windows.
HWND FindProcessWindow(DWORD processId, const std::wstring& caption) {
    struct Search {
        DWORD processId;
        const std::wstring& caption;
        HWND found = nullptr;
    } search{processId, caption};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            if (owner == search->processId && IsWindowVisible(window) && search->caption == text) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(StartupTest, TheProgramOpensTheResultWindowAndEndsWhenItCloses) {
    const std::string expected = ConsoleReport(folder, arguments);
    const PROCESS_INFORMATION process = Start("varnel.exe", arguments);
    HWND window = nullptr;
    for (int i = 0; i < 600 && window == nullptr; ++i) {
        Sleep(100);
        window = FindProcessWindow(process.dwProcessId, L"\u6bd4\u8f03\u7d50\u679c");
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(JoinLines(ListBoxLines(GetDlgItem(window, IDC_RESULT_LIST))), expected);
    CaptureScreenshotIfAsked(window, "varnel_command_line");
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForExit(process, 30000), 0u);
    // The program keeps the window's place where a standard user can write.
    char appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
    const std::string profile = ReadFileBytes(std::string(appData) + "\\Varnel\\varnel.INI");
    EXPECT_NE(profile.find("[Result]"), std::string::npos) << appData;
}

// The path of the library a process loads by name, as the system libraries
// load theirs on demand: on a thread of its own, with the default search.
std::string LoadLibraryIn(HANDLE process, const std::wstring& name) {
    const std::size_t bytes = (name.size() + 1) * sizeof(wchar_t);
    void* remoteName = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, remoteName, name.c_str(), bytes, nullptr);
    // kernel32 lies at the same address in every process of a session.
    const auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryW")));
    const HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remoteName, 0, nullptr);
    WaitForSingleObject(thread, 30000);
    CloseHandle(thread);
    VirtualFreeEx(process, remoteName, 0, MEM_RELEASE);
    MODULEENTRY32W module = {};
    module.dwSize = sizeof module;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetProcessId(process));
    std::string path;
    for (bool more = Module32FirstW(snapshot, &module); more && path.empty();
         more = Module32NextW(snapshot, &module)) {
        if (_wcsicmp(module.szModule, name.c_str()) == 0) {
            path = NarrowText(module.szExePath);
        }
    }
    CloseHandle(snapshot);
    return path;
}

// A copy of the program unpacked beside a library planted under the name of
// a system library loaded on demand (the desktop composition's, which the
// save dialog and the theme ask for): once the program runs, a library
// loaded by that name comes from the system folder.
TEST_F(StartupTest, ALibraryPlantedBesideTheProgramIsNotLoaded) {
    const std::string program = folder.PathOf("varnel.exe");
    ASSERT_TRUE(CopyFileA(ProgramPath("varnel.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(ProgramPath("planted_library.dll").c_str(),
                          folder.PathOf("dwmapi.dll").c_str(), FALSE));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(StartProcess(Quoted(program) + " " + Quoted(folder.PathOf("a.bin")), false, startup,
                             process));
    HWND window = nullptr;
    for (int i = 0; i < 600 && window == nullptr; ++i) {
        Sleep(100);
        window = FindProcessWindow(process.dwProcessId, L"\u6bd4\u8f03\u7d50\u679c");
    }
    ASSERT_NE(window, nullptr);
    const std::string loaded = LoadLibraryIn(process.hProcess, L"dwmapi.dll");
    EXPECT_FALSE(loaded.empty());
    EXPECT_NE(loaded, folder.PathOf("dwmapi.dll"));
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForExit(process, 30000), 0u);
}

}  // namespace
