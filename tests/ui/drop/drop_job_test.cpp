// Drops on the drop window as the program shows it (modally), with the
// program's check on real files and the real result window. The flow between
// drop, question and results is tested on the host (drop_flow_test.cpp).

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/drop_mode.h"
#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "res/resource.h"
#include "tests/support/child_process.h"
#include "tests/support/drop_handle.h"
#include "tests/support/test_files.h"
#include "tests/support/window_capture.h"
#include "tests/support/window_probe.h"
#include "tests/ui/drop/drop_test_support.h"
#include "tests/ui/drop/dropped_jobs.h"

namespace {

using namespace std::chrono_literals;

// "ファイルがありません：ディレクトリ"
constexpr char kEmptyFolder[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x46"
    "\x83\x66\x83\x42\x83\x8c\x83\x4e\x83\x67\x83\x8a";
// "エラーは見つかりませんでした。"
constexpr char kNoErrors[] =
    "\x83\x47\x83\x89\x81\x5b\x82\xcd\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1"
    "\x82\xc5\x82\xb5\x82\xbd\x81\x42";
// "停止しますか？"
constexpr char kStopQuestion[] = "\x92\xe2\x8e\x7e\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48";

// "2 / 3 ファイル  " after the name of the file being read: the figures a
// user resting the pointer on the window sees.
constexpr char kSecondOfThree[] = "big.bin\r\n2 / 3 \x83\x74\x83\x40\x83\x43\x83\x8b  ";

// The text of the tooltip the window owns, or an empty string.
std::string ToolTipText(HWND window) {
    struct Search {
        HWND owner;
        HWND found = nullptr;
    } search{window};
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND candidate, LPARAM lParam) {
            auto& search = *reinterpret_cast<Search*>(lParam);
            char className[64] = {};
            GetClassNameA(candidate, className, sizeof className);
            if (GetWindow(candidate, GW_OWNER) == search.owner &&
                std::string(className) == TOOLTIPS_CLASSA) {
                search.found = candidate;
            }
            return search.found == nullptr ? TRUE : FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return {};
    }
    char text[512] = {};
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = text;
    SendMessageA(search.found, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

std::string DelimitedLine(const std::string& name, std::uint16_t crc, std::size_t size) {
    char line[128];
    std::snprintf(line, sizeof line, "%s, %04X, %zu\r\n", name.c_str(), crc, size);
    return line;
}

// A passing list gets the no-errors line; a folder without files its own
// line above the job's; a list inside a dropped folder is only checksummed.
TEST(DropJobTest, DroppedListsAndFoldersGiveTheReportsOfTheProgram) {
    TestFolder folder;
    const std::string lists = folder.MakeFolder("lists");
    const std::string good = folder.Write("lists\\good.bin", "good content");
    const std::uint16_t crc = ComputeFileCrc(CFileName::FromText(good));
    const std::string passing = folder.Write("lists\\ok.crc", DelimitedLine("good.bin", crc, 12));
    folder.Write("lists\\bad.crc",
                 DelimitedLine("good.bin", static_cast<std::uint16_t>(crc ^ 1), 12));
    const std::string empty = folder.MakeFolder("empty");

    DroppedJobs jobs(folder);
    jobs.Drop({passing});
    ASSERT_TRUE(jobs.WaitForReport(20s));
    EXPECT_EQ(jobs.Reports().back().front(), kNoErrors);

    jobs.Drop({empty, lists});
    ASSERT_TRUE(jobs.WaitForReport(20s));
    const std::vector<std::string> shown = jobs.Reports().back();
    EXPECT_EQ(shown.front(), kEmptyFolder + empty + "\\");
    std::vector<std::string> names;
    for (const ReportRow& row : RowsOf(shown)) {
        names.push_back(row.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bad.crc", "good.bin", "ok.crc"}));
    EXPECT_EQ(shown[1].rfind("Name", 0), 0u) << "a line between the folder's and the header";
}

// A file of 4 GiB (sparse where the disk allows), read as from a slow disk:
// read whole it would take minutes. Yes to the stop question ends the job
// within a chunk, and the file left half read gets no row.
TEST(DropJobTest, YesToTheStopQuestionEndsTheJobWithinTheFileBeingRead) {
    struct SlowDisk : JobObserver {
        std::atomic<std::int64_t> bytes{0};
        void OnInputStarted(const std::string&) override {}
        void OnBytesRead(std::int64_t bytesOfFile) override {
            bytes = bytesOfFile;
            std::this_thread::sleep_for(20ms);
        }
    } disk;
    BuildCrcTable();
    std::atomic<int> asked{0};
    SetMessageBoxHandlerForTesting([&](HWND, const std::string& text, const std::string&, UINT) {
        EXPECT_EQ(text, kStopQuestion);
        ++asked;
        return IDYES;
    });
    SetJobObserver(&disk);
    TestFolder folder;
    constexpr std::int64_t kBig = std::int64_t{4} << 30;
    const std::string big = folder.PathOf("big.bin");
    HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = kBig;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);

    {
        DroppedJobs jobs(folder);
        jobs.Drop({folder.Write("0.bin", "zero"), big, folder.Write("after.bin", "after")});
        // Well into the file, and the icon animates.
        const auto animating = [&] {
            const LRESULT icon =
                SendDlgItemMessageA(jobs.Window(), IDC_DROP_ICON, STM_GETICON, 0, 0);
            return IconId(reinterpret_cast<HICON>(icon)) != IDI_IDLE;
        };
        ASSERT_TRUE(WaitUntil([&] { return disk.bytes >= (8 << 20) && animating(); }, 20s));
        ASSERT_TRUE(
            WaitUntil([&] { return ToolTipText(jobs.Window()).starts_with(kSecondOfThree); }, 5s))
            << ToolTipText(jobs.Window());
        EXPECT_NE(ToolTipText(jobs.Window()).find('%'), std::string::npos);
        CaptureScreenshotIfAsked(jobs.Window(), "drop_running");
        const auto answered = std::chrono::steady_clock::now();
        jobs.DoubleClick();
        ASSERT_TRUE(jobs.WaitForReport(20s));
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - answered);
        std::printf("stopped %lld MiB into a file of 4 GiB; results %lld ms after the answer\n",
                    static_cast<long long>(disk.bytes >> 20), static_cast<long long>(took.count()));
        EXPECT_LT(took, 10s);
        EXPECT_EQ(asked.load(), 1);
        const std::vector<std::string> shown = jobs.Reports().back();
        EXPECT_EQ(RowsOf(shown), std::vector<ReportRow>{ExpectedRow("0.bin", "zero")});
        EXPECT_EQ(shown.front(), kStoppedMessage);
    }
    SetJobObserver(nullptr);
    SetMessageBoxHandlerForTesting(nullptr);
    DeleteFileA(big.c_str());
}

// The program's drop window, in a child process of this test, over a job
// stuck in a read that never returns. Closed, the window must take the
// process with it, after saving its settings.
constexpr char kStuckProfile[] = "VARNEL_STUCK_JOB_PROFILE";
constexpr char kStuckFile[] = "VARNEL_STUCK_JOB_FILE";

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length < sizeof value ? std::string(value, length) : std::string();
}

void RunWindowOverAStuckJob() {
    struct StuckRead : JobObserver {
        std::atomic<bool> reading{false};
        void OnInputStarted(const std::string&) override {}
        void OnBytesRead(std::int64_t) override {
            reading = true;
            std::this_thread::sleep_for(60s);
        }
    } stuck;
    SetProfilePathForTesting(Environment(kStuckProfile));
    SetJobObserver(&stuck);
    HWND window = nullptr;
    const CModalDriver driver([&] {
        if (window == nullptr) {
            window = FindThreadWindow("Varnel");
            if (window != nullptr) {
                PostMessageA(window, WM_DROPFILES,
                             reinterpret_cast<WPARAM>(MakeDropHandle({Environment(kStuckFile)})),
                             0);
            }
            return false;
        }
        if (!stuck.reading) {
            return false;
        }
        std::printf("closing at %llu\n", GetTickCount64());
        std::fflush(stdout);
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    });
    RunDropWindow();
    std::printf("the process went on after its window had closed\n");
}

TEST(DropWindowProcessTest, ClosingTheWindowEndsTheProcessWhileItsJobIsStuckInARead) {
    if (!Environment(kStuckProfile).empty()) {
        RunWindowOverAStuckJob();
        return;
    }
    TestFolder folder;
    const std::string profile = folder.PathOf("VARNEL.INI");
    SetEnvironmentVariableA(kStuckProfile, profile.c_str());
    SetEnvironmentVariableA(kStuckFile, folder.Write("stuck.bin", std::string(4096, 's')).c_str());
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const ConsoleRun run =
        RunProgram(Quoted(self) + " --gtest_filter=DropWindowProcessTest.*", folder, 60000);
    const ULONGLONG ended = GetTickCount64();
    SetEnvironmentVariableA(kStuckProfile, nullptr);
    SetEnvironmentVariableA(kStuckFile, nullptr);

    ASSERT_TRUE(run.finished) << "the process outlived its window: " << run.out;
    EXPECT_EQ(run.status, 0u);
    const std::size_t at = run.out.find("closing at ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const ULONGLONG closed = std::strtoull(run.out.c_str() + at + 11, nullptr, 10);
    std::printf("the process ended %llu ms after its window was closed\n", ended - closed);
    EXPECT_LT(ended - closed, 1000u);
    SetProfilePathForTesting(profile);
    EXPECT_EQ(ReadProfileInt("Window", "OnTop", -1), 1) << "the settings were not saved";
}

}  // namespace
