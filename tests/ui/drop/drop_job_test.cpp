// Drops on the drop window and the background job they start, run with the
// real job runner on real files, the window driven on this thread.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_runner.h"
#include "engine/job_state.h"
#include "framework/application_name.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "lists/list_inputs.h"
#include "res/resource.h"
#include "tests/support/child_process.h"
#include "tests/support/drop_handle.h"
#include "tests/support/test_files.h"
#include "tests/support/window_capture.h"
#include "tests/support/window_probe.h"
#include "tests/ui/drop/drop_test_support.h"
#include "tests/ui/drop/dropped_jobs.h"
#include "ui/drop/background_job.h"
#include "ui/drop/drop_dialog.h"
#include "ui/result/job_result.h"

namespace {

using namespace std::chrono_literals;

// "計算中...", "完了", "停止しますか？"
constexpr char kRunningCaption[] = "\x8c\x76\x8e\x5a\x92\x86...";
constexpr char kDoneCaption[] = "\x8a\xae\x97\xb9";
constexpr char kStopQuestion[] = "\x92\xe2\x8e\x7e\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48";
// "ファイルがありません：ディレクトリ"
constexpr char kEmptyFolder[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x46"
    "\x83\x66\x83\x42\x83\x8c\x83\x4e\x83\x67\x83\x8a";
// ":ファイルが開けません"
constexpr char kCannotOpen[] =
    ":\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
// "エラーは見つかりませんでした。"
constexpr char kNoErrors[] =
    "\x83\x47\x83\x89\x81\x5b\x82\xcd\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1"
    "\x82\xc5\x82\xb5\x82\xbd\x81\x42";
// "表": its second byte is a backslash.
constexpr char kTableFolder[] = "\x95\x5c";

// Lets the job begin only as many inputs as the test allows. A job that is
// told to stop passes, so that no test can hang on it.
class JobGate : public JobObserver {
public:
    void OnInputStarted(const std::string&) override {
        std::unique_lock lock(m_mutex);
        m_waiting = true;
        while (m_started >= m_allowed && g_stopRequested.load() == 0) {
            m_changed.wait_for(lock, 10ms);
        }
        m_waiting = false;
        ++m_started;
    }
    void OnBytesRead(std::int64_t) override {}

    void Allow(int inputs) {
        std::lock_guard lock(m_mutex);
        m_allowed = inputs;
        m_changed.notify_all();
    }
    int Started() {
        std::lock_guard lock(m_mutex);
        return m_started;
    }
    // True once the job waits to begin input number count + 1.
    bool WaitingAfter(int count) {
        std::lock_guard lock(m_mutex);
        return m_waiting && m_started == count;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_allowed = 1 << 30;
    int m_started = 0;
    bool m_waiting = false;
};

// What the result window would have shown, and the drop window around it.
struct ShownResults {
    std::vector<std::string> messages;
    std::vector<std::string> names;
    std::vector<std::string> failed;
    std::string caption;
    int icon = 0;
    bool acceptsDrops = false;
    bool busyCursor = false;
    HWND owner = nullptr;
    std::size_t iconsSetWhileOpen = 0;
};

struct Question {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

template <class T>
std::vector<T> Items(const CList<T>& list) {
    return std::vector<T>(list.begin(), list.end());
}

bool BusyCursor() {
    return GetCursor() == LoadCursorA(nullptr, IDC_WAIT);
}

class DropJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProfilePathForTesting(folder.PathOf("VARNEL.INI"));
        SetJobObserver(&gate);
        window.m_showResults = [this](HWND owner, CJobReport& shownReport, JobDuration) {
            RecordResults(owner, shownReport);
        };
        SetMessageBoxHandlerForTesting(
            [this](HWND owner, const std::string& text, const std::string& caption, UINT type) {
                questions.push_back(Question{owner, text, caption, type});
                return answer ? answer() : IDOK;
            });
        ASSERT_TRUE(window.Create());
        hwnd = window.GetSafeHwnd();
        icons = std::make_unique<IconRecorder>(GetDlgItem(hwnd, IDC_DROP_ICON));
    }

    void TearDown() override {
        gate.Allow(1 << 30);
        icons.reset();
        if (IsWindow(hwnd)) {
            DestroyWindow(hwnd);
        }
        SetJobObserver(nullptr);
        SetMessageBoxHandlerForTesting(nullptr);
        SetProfilePathForTesting("");
    }

    // Stands in for the result window: notes what it would show, lets time
    // pass as its modal loop would, and takes the lines it lays out.
    void RecordResults(HWND owner, CJobReport& shownReport) {
        if (showingResults) {
            ADD_FAILURE() << "the result window was opened again while it was open";
            return;
        }
        showingResults = true;
        ShownResults shown;
        shown.messages = Items(shownReport.Lines().messageList);
        shown.names = Items(shownReport.Lines().nameList);
        shown.failed = Items(shownReport.FailedList());
        shown.caption = WindowText(hwnd);
        shown.icon = ShownIcon();
        shown.acceptsDrops = AcceptsDrops(hwnd);
        shown.busyCursor = BusyCursor();
        shown.owner = owner;
        const std::size_t before = icons->Shown().size();
        PumpMessagesFor(resultsOpenFor);
        shown.iconsSetWhileOpen = icons->Shown().size() - before;
        results.push_back(shown);
        showingResults = false;
        shownReport.TakeLines();
    }

    void Drop(const std::vector<std::string>& names) {
        SendMessageA(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle(names)), 0);
    }

    bool WaitForResults(std::size_t count = 1) {
        return PumpMessagesUntil([&] { return results.size() >= count; });
    }

    int ShownIcon() const {
        return IconId(
            reinterpret_cast<HICON>(SendDlgItemMessageA(hwnd, IDC_DROP_ICON, STM_GETICON, 0, 0)));
    }

    // Files "0.bin", "1.bin", ... of a few bytes each, in dropping order.
    std::vector<std::string> MakeFiles(int count) {
        std::vector<std::string> paths;
        for (int n = 0; n < count; ++n) {
            paths.push_back(folder.Write(std::to_string(n) + ".bin", std::string(100 + n, 'x')));
        }
        return paths;
    }

    void ExpectIdle() {
        EXPECT_EQ(WindowText(hwnd), "Varnel");
        EXPECT_EQ(ShownIcon(), IDI_IDLE);
        EXPECT_TRUE(AcceptsDrops(hwnd));
        EXPECT_FALSE(BusyCursor());
        const std::size_t shown = icons->Shown().size();
        PumpMessagesFor(600ms);
        EXPECT_EQ(icons->Shown().size(), shown) << "the animation timer still runs";
    }

    TestFolder folder;
    JobGate gate;
    CJobReport report;
    CDropDlg window{report};
    HWND hwnd = nullptr;
    std::unique_ptr<IconRecorder> icons;
    std::vector<ShownResults> results;
    std::vector<Question> questions;
    std::function<int()> answer;
    std::chrono::milliseconds resultsOpenFor{0};
    bool showingResults = false;
};

int FrameAfter(int icon) {
    return IDI_FRAME0 + (icon - IDI_FRAME0 + 1) % 4;
}

TEST_F(DropJobTest, AJobGoesFromIdleThroughRunningAndTheResultsBackToIdle) {
    const std::vector<std::string> files = MakeFiles(6);
    ExpectIdle();
    report.AddMessage("left from before");

    gate.Allow(0);
    Drop(files);
    // Running: the caption in its exact bytes, the idle icon until the first
    // tick, drops refused, the busy cursor.
    EXPECT_EQ(WindowText(hwnd), kRunningCaption);
    EXPECT_EQ(ShownIcon(), IDI_IDLE);
    EXPECT_FALSE(AcceptsDrops(hwnd));
    EXPECT_TRUE(BusyCursor());
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(BusyCursor());

    ASSERT_TRUE(PumpMessagesUntil([&] { return icons->Shown().size() >= 5; }));
    EXPECT_EQ(std::vector<int>(icons->Shown().begin(), icons->Shown().begin() + 5),
              (std::vector<int>{IDI_FRAME2, IDI_FRAME3, IDI_FRAME0, IDI_FRAME1, IDI_FRAME2}));
    CaptureScreenshotIfAsked(hwnd, "drop_running");
    EXPECT_TRUE(results.empty());

    resultsOpenFor = 700ms;
    gate.Allow(6);
    ASSERT_TRUE(WaitForResults());
    const ShownResults& shown = results.front();
    EXPECT_EQ(shown.caption, kDoneCaption);
    EXPECT_EQ(shown.icon, IDI_IDLE);
    EXPECT_FALSE(shown.acceptsDrops);
    EXPECT_FALSE(shown.busyCursor);
    EXPECT_EQ(shown.owner, hwnd);
    EXPECT_EQ(shown.iconsSetWhileOpen, 0u) << "the timer ran while the results were shown";
    EXPECT_EQ(shown.names,
              (std::vector<std::string>{"0.bin", "1.bin", "2.bin", "3.bin", "4.bin", "5.bin"}));
    // Every checksummed file leaves its placeholder, so no "no errors" line.
    EXPECT_EQ(shown.messages, std::vector<std::string>(6, "@"));

    ExpectIdle();
}

TEST_F(DropJobTest, AJobShorterThanOneTickShowsNoFrameAndASecondDropRunsAfterTheResults) {
    const std::vector<std::string> files = MakeFiles(2);
    Drop({files[0]});
    // Messages are not dispatched here, so no tick can come before the job
    // has ended: the window is in its ended state.
    for (int wait = 0; wait < 500 && g_jobRunning.load(std::memory_order_acquire) != 0; ++wait) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_EQ(g_jobRunning.load(), 0);
    EXPECT_EQ(WindowText(hwnd), kRunningCaption);
    EXPECT_EQ(ShownIcon(), IDI_IDLE);
    EXPECT_FALSE(AcceptsDrops(hwnd));
    EXPECT_TRUE(results.empty());

    ASSERT_TRUE(WaitForResults());
    EXPECT_EQ(icons->Shown(), std::vector<int>{IDI_IDLE}) << "an animation frame was shown";
    EXPECT_EQ(results[0].names, std::vector<std::string>{"0.bin"});
    ExpectIdle();

    const std::string empty = folder.MakeFolder("empty");
    Drop({empty, files[1]});
    ASSERT_TRUE(WaitForResults(2));
    EXPECT_EQ(results[1].names, std::vector<std::string>{"1.bin"});
    EXPECT_EQ(results[1].messages, (std::vector<std::string>{kEmptyFolder + empty + "\\", "@"}));
    ExpectIdle();
}

TEST_F(DropJobTest, FoldersAddTheFilesDirectlyInThemAndFoldersWithoutFilesAMessage) {
    const std::string table = folder.MakeFolder(kTableFolder);
    const std::string onlySubfolders = folder.MakeFolder("only-subfolders");
    folder.MakeFolder("only-subfolders\\inner");
    folder.Write("only-subfolders\\inner\\deep.bin", "deep");
    const std::string full = folder.MakeFolder("full");
    folder.Write("full\\a.bin", "aaa");
    folder.Write("full\\b.bin", "bbbb");
    folder.MakeFolder("full\\skipped");
    folder.Write("full\\skipped\\c.bin", "c");
    const std::string plain = folder.Write("plain.bin", "plain");
    const std::string missing = folder.PathOf("missing.bin");
    // Longer than the 260 bytes a fixed buffer would hold.
    const std::string longName = folder.PathOf(std::string(280, 'n') + ".bin");
    report.MarkFailed("failed before");
    report.AddRow("row before", 0, 0);

    Drop({table, plain, onlySubfolders, full, missing, longName});
    ASSERT_TRUE(WaitForResults());
    const ShownResults& shown = results.front();
    ASSERT_EQ(shown.names.size(), 3u);
    EXPECT_EQ(shown.names[0], "plain.bin");
    EXPECT_EQ(std::set<std::string>(shown.names.begin() + 1, shown.names.end()),
              (std::set<std::string>{"a.bin", "b.bin"}));
    EXPECT_TRUE(shown.failed.empty());
    // The folder lines arise while the drop is examined, before the job's own.
    EXPECT_EQ(shown.messages, (std::vector<std::string>{
                                  kEmptyFolder + table + "\\",
                                  kEmptyFolder + onlySubfolders + "\\",
                                  "@",
                                  "@",
                                  "@",
                                  missing + kCannotOpen,
                                  longName + kCannotOpen,
                              }));
}

// With "サブフォルダも調べる" checked, a dropped folder stands for its whole
// tree, each file named from the folder on.
TEST_F(DropJobTest, ADroppedFolderStandsForItsTreeWhenTheSubfolderItemIsChecked) {
    const std::string tree = folder.MakeFolder("tree");
    folder.MakeFolder("tree\\sub");
    folder.Write("tree\\sub\\x.bin", "x");
    folder.Write("tree\\a.bin", "a");
    SendMessageA(hwnd, WM_COMMAND, ID_DROP_RECURSIVE, 0);
    Drop({tree});
    ASSERT_TRUE(WaitForResults());
    EXPECT_EQ(results[0].names, (std::vector<std::string>{"a.bin", "sub\\x.bin"}));
}

std::string DelimitedLine(const std::string& name, std::uint16_t crc, std::size_t size) {
    char line[128];
    std::snprintf(line, sizeof line, "%s, %04X, %zu\r\n", name.c_str(), crc, size);
    return line;
}

TEST_F(DropJobTest, AListDroppedDirectlyIsVerifiedWhileOneInADroppedFolderIsOnlyChecksummed) {
    const std::string lists = folder.MakeFolder("lists");
    const std::string good = folder.Write("lists\\good.bin", "good content");
    const std::uint16_t crc = ComputeFileCrc(CFileName::FromText(good));
    const std::string passing = folder.Write("lists\\ok.crc", DelimitedLine("good.bin", crc, 12));
    const std::string failing = folder.Write(
        "lists\\bad.crc", DelimitedLine("good.bin", static_cast<std::uint16_t>(crc ^ 1), 12));

    Drop({failing});
    ASSERT_TRUE(WaitForResults(1));
    EXPECT_EQ(results[0].failed, std::vector<std::string>{"good.bin"});
    ASSERT_EQ(results[0].messages.size(), 1u);
    EXPECT_NE(results[0].messages[0], kNoErrors);

    // The failed names stay until the next drop has examined its items.
    EXPECT_EQ(report.FailedList().GetCount(), 1u);
    Drop({passing});
    ASSERT_TRUE(WaitForResults(2));
    EXPECT_EQ(results[1].names, std::vector<std::string>{"good.bin"});
    EXPECT_TRUE(results[1].failed.empty());
    // A verification without any message is the one job that gets the line.
    EXPECT_EQ(results[1].messages, std::vector<std::string>{kNoErrors});

    Drop({lists});
    ASSERT_TRUE(WaitForResults(3));
    EXPECT_EQ(std::set<std::string>(results[2].names.begin(), results[2].names.end()),
              (std::set<std::string>{"good.bin", "ok.crc", "bad.crc"}));
    EXPECT_EQ(results[2].messages, std::vector<std::string>(3, "@"));
}

TEST_F(DropJobTest, AnsweringNoLetsTheJobGoOnFromTheFrameWhereItHalted) {
    const std::vector<std::string> files = MakeFiles(8);
    gate.Allow(2);
    Drop(files);
    ASSERT_TRUE(
        PumpMessagesUntil([&] { return gate.WaitingAfter(2) && icons->Shown().size() >= 2; }));

    int frameAtQuestion = 0;
    std::size_t iconsAtQuestion = 0;
    answer = [&] {
        frameAtQuestion = ShownIcon();
        iconsAtQuestion = icons->Shown().size();
        EXPECT_FALSE(BusyCursor());
        // Two more inputs may begin; the held job must not get to them while
        // the question is open, however long it stays open.
        gate.Allow(4);
        PumpMessagesFor(700ms);
        EXPECT_LE(gate.Started(), 3) << "the job went on while the question was open";
        EXPECT_EQ(icons->Shown().size(), iconsAtQuestion) << "the animation went on";
        return IDNO;
    };
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].owner, hwnd);
    EXPECT_EQ(questions[0].text, kStopQuestion);
    EXPECT_EQ(questions[0].caption, ApplicationName().Text());
    EXPECT_EQ(questions[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_TRUE(BusyCursor());

    ASSERT_TRUE(PumpMessagesUntil([&] { return gate.WaitingAfter(4); }));
    ASSERT_TRUE(PumpMessagesUntil([&] { return icons->Shown().size() > iconsAtQuestion; }));
    EXPECT_EQ(icons->Shown()[iconsAtQuestion], FrameAfter(frameAtQuestion));

    gate.Allow(8);
    ASSERT_TRUE(WaitForResults());
    EXPECT_EQ(results[0].names.size(), 8u);
    EXPECT_EQ(g_stopRequested.load(), 0);
}

TEST_F(DropJobTest, AnsweringYesEndsTheJobEarlyWithTheRowsDoneSoFar) {
    const std::vector<std::string> files = MakeFiles(8);
    gate.Allow(3);
    Drop(files);
    ASSERT_TRUE(PumpMessagesUntil([&] { return gate.WaitingAfter(3); }));
    answer = [&] {
        gate.Allow(8);
        PumpMessagesFor(300ms);
        EXPECT_LE(gate.Started(), 4) << "the job went on while the question was open";
        return IDYES;
    };
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(questions.size(), 1u);

    ASSERT_TRUE(WaitForResults());
    // The input begun before the question is finished; none after it is,
    // and the report says that the job was stopped.
    EXPECT_EQ(results[0].names, (std::vector<std::string>{"0.bin", "1.bin", "2.bin", "3.bin"}));
    EXPECT_EQ(results[0].messages, (std::vector<std::string>{"@", "@", "@", "@", kStoppedMessage}));
    EXPECT_EQ(results[0].caption, kDoneCaption);
    ExpectIdle();
}

TEST_F(DropJobTest, ADoubleClickWithoutARunningJobAsksNothing) {
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    Drop(MakeFiles(1));
    ASSERT_TRUE(WaitForResults());
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(questions.empty());
}

TEST_F(DropJobTest, AWorkerThatCannotStartIsReportedAndTheWindowStaysIdle) {
    const std::vector<std::string> files = MakeFiles(2);
    std::size_t handedOver = 0;
    window.m_startJob = [&](std::unique_ptr<CInputList> inputs, CJobReport&) {
        handedOver = inputs->size();
        return std::unique_ptr<CWorkerThread>();
    };
    Drop(files);
    EXPECT_EQ(handedOver, 2u);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].owner, hwnd);
    EXPECT_EQ(questions[0].caption, ApplicationName().Text());
    EXPECT_EQ(questions[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(g_jobRunning.load(), 0);
    ExpectIdle();
    EXPECT_TRUE(results.empty());

    window.m_startJob = StartBackgroundJob;
    Drop(files);
    ASSERT_TRUE(WaitForResults());
    EXPECT_EQ(results[0].names.size(), 2u);
}

// Closed as the program shows it (modally), during a job or while the stop
// question is open, the window stops the job and waits for it: the job is
// over once the window has gone, and no result window was shown.
class ClosingTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetJobObserver(&gate);
        for (int n = 0; n < 8; ++n) {
            files.push_back(folder.Write(std::to_string(n) + ".bin", "file"));
        }
        gate.Allow(2);
    }
    void TearDown() override {
        gate.Allow(1 << 30);
        SetJobObserver(nullptr);
        SetMessageBoxHandlerForTesting(nullptr);
    }
    void ExpectStoppedAndGone(DroppedJobs& jobs) {
        ASSERT_TRUE(jobs.WaitUntilClosed(20s));
        EXPECT_EQ(g_jobRunning.load(), 0);
        // The input waiting when the stop came was skipped.
        EXPECT_EQ(jobs.Report().RowCount(), 2u);
        EXPECT_TRUE(jobs.Reports().empty());
    }

    TestFolder folder;
    JobGate gate;
    std::vector<std::string> files;
};

TEST_F(ClosingTest, ClosingTheWindowDuringAJobStopsTheJobAndWaitsForIt) {
    DroppedJobs jobs(folder);
    jobs.Drop(files);
    ASSERT_TRUE(WaitUntil([&] { return gate.WaitingAfter(2); }, 20s));
    jobs.Close();
    ExpectStoppedAndGone(jobs);
}

TEST_F(ClosingTest, ClosingTheWindowWhileTheStopQuestionIsOpenEndsTheJob) {
    std::atomic<int> asked{0};
    SetMessageBoxHandlerForTesting([&](HWND owner, const std::string&, const std::string&, UINT) {
        ++asked;
        PostMessageA(owner, WM_CLOSE, 0, 0);
        PumpMessagesFor(200ms);
        return IDNO;
    });
    DroppedJobs jobs(folder);
    jobs.Drop(files);
    ASSERT_TRUE(WaitUntil([&] { return gate.WaitingAfter(2); }, 20s));
    jobs.DoubleClick();
    ExpectStoppedAndGone(jobs);
    EXPECT_EQ(asked.load(), 1);
}

TEST_F(DropJobTest, TheResultWindowOpensOverTheDisabledDropWindowAndDropsAreAcceptedAfterIt) {
    window.m_showResults = ShowJobResult;
    const std::vector<std::string> files = MakeFiles(1);
    bool shown = false;
    bool dropWindowEnabled = true;
    std::string caption;
    std::vector<std::string> lines;
    const CModalDriver driver([&] {
        const HWND result = FindOwnedWindow(hwnd);
        if (result == nullptr) {
            return false;
        }
        shown = true;
        dropWindowEnabled = IsWindowEnabled(hwnd) != FALSE;
        caption = WindowText(hwnd);
        lines = ListBoxLines(GetDlgItem(result, IDC_RESULT_LIST));
        PostMessageA(result, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    });
    Drop(files);
    ASSERT_TRUE(PumpMessagesUntil([&] { return driver.Done() && AcceptsDrops(hwnd); }));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(dropWindowEnabled);
    EXPECT_EQ(caption, kDoneCaption);
    bool rowShown = false;
    for (const std::string& line : lines) {
        rowShown = rowShown || line.rfind("0.bin", 0) == 0;
    }
    EXPECT_TRUE(rowShown);
    ExpectIdle();
}

// A worker whose job begins only after a while, as on a busy machine.
std::unique_ptr<CWorkerThread> StartLateJob(std::unique_ptr<CInputList> inputs,
                                            CJobReport& report) {
    return CWorkerThread::Start([inputs = std::move(inputs), &report]() mutable {
        std::this_thread::sleep_for(800ms);
        RunJob(std::move(inputs), kChecksumLists, report);
    });
}

TEST_F(DropJobTest, AWorkerSlowToBeginIsNotTakenForOneThatHasEnded) {
    window.m_startJob = StartLateJob;
    Drop(MakeFiles(3));
    ASSERT_TRUE(WaitForResults());
    EXPECT_EQ(results[0].names.size(), 3u);
    EXPECT_EQ(results[0].messages, std::vector<std::string>(3, "@"));
    EXPECT_GE(icons->Shown().size(), 3u) << "no frame while the job had not begun";
}

// A file of 4 GiB (sparse where the disk allows), read as from a slow disk:
// read whole it would take minutes. A stop ends the job within a chunk, and
// the file left half read gets no row.
TEST_F(DropJobTest, AStopTakesEffectWithinTheFileBeingRead) {
    struct SlowDisk : JobObserver {
        std::atomic<std::int64_t> bytes{0};
        void OnInputStarted(const std::string&) override {}
        void OnBytesRead(std::int64_t bytesOfFile) override {
            bytes = bytesOfFile;
            std::this_thread::sleep_for(20ms);
        }
    } disk;
    SetJobObserver(&disk);
    constexpr std::int64_t kBig = std::int64_t{4} << 30;
    const std::string big = folder.PathOf("big.bin");
    HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = kBig;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);

    Drop({MakeFiles(1)[0], big, folder.Write("after.bin", "after")});
    ASSERT_TRUE(PumpMessagesUntil([&] { return disk.bytes >= (8 << 20); }));
    answer = [] { return IDYES; };
    const auto asked = std::chrono::steady_clock::now();
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(WaitForResults());
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - asked);
    std::printf("stopped %lld MiB into a file of 4 GiB; results %lld ms after the answer\n",
                static_cast<long long>(disk.bytes >> 20), static_cast<long long>(took.count()));
    EXPECT_LT(took, 10s);
    EXPECT_LT(disk.bytes, kBig);
    EXPECT_EQ(results[0].names, std::vector<std::string>{"0.bin"});
    EXPECT_EQ(results[0].messages, (std::vector<std::string>{"@", kStoppedMessage}));
    DeleteFileA(big.c_str());
}

// The drop window as the program shows it (modally), in a child process of
// this test, over a job stuck in a read that never returns. Closed, the
// window must take the process with it, after saving its settings.
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
    CJobReport report;
    CDropDlg window(report);
    bool dropped = false;
    const CModalDriver driver([&] {
        const HWND hwnd = window.GetSafeHwnd();
        if (hwnd == nullptr || (dropped && !stuck.reading)) {
            return false;
        }
        if (!dropped) {
            dropped = true;
            PostMessageA(hwnd, WM_DROPFILES,
                         reinterpret_cast<WPARAM>(MakeDropHandle({Environment(kStuckFile)})), 0);
            return false;
        }
        std::printf("closing at %llu\n", GetTickCount64());
        std::fflush(stdout);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return true;
    });
    window.DoModal();
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
