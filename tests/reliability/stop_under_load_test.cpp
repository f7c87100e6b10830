// Stopping and closing at random moments: the drop window, shown as the
// program shows it, runs a job over many files while, at a moment drawn at random, the user stops
// it (or answers no), closes the window, or closes it during the question or while the report is
// open. Whatever the moment, nothing may hang or crash, and the rows shown must be exactly the
// files the job finished, each with its own CRC and size. Set VARNEL_STRESS_SEED to replay a run
// and VARNEL_STRESS_ITERATIONS for a longer one.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/job_state.h"
#include "framework/message_box.h"
#include "tests/reliability/reliability_support.h"
#include "tests/support/test_files.h"
#include "tests/ui/drop/drop_test_support.h"
#include "tests/ui/drop/dropped_jobs.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kFileCount = 2000;
constexpr int kSlowFileSize = 1 << 20;

enum class Action { StopYes, StopNo, Close, CloseDuringQuestion, CloseDuringReport };
constexpr const char* kActionNames[] = {"stop", "answer no", "close", "close during the question",
                                        "close during the report"};

unsigned EnvironmentNumber(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? static_cast<unsigned>(std::strtoul(text, nullptr, 10))
                                            : fallback;
}

// Which inputs the job has read to their last byte, from its own progress
// calls (made on the job's threads). Large files are read as from a slow
// disk, so that many moments fall inside them.
class FinishedFiles : public JobObserver {
public:
    explicit FinishedFiles(const std::map<std::string, std::int64_t>& sizes) : m_sizes(sizes) {}
    void OnInputStarted(const std::string& path) override {
        std::lock_guard lock(m_mutex);
        m_current = path;
    }
    void OnBytesRead(std::int64_t bytes) override {
        std::int64_t fileSize = 0;
        {
            std::lock_guard lock(m_mutex);
            const auto size = m_sizes.find(m_current);
            if (size != m_sizes.end()) {
                fileSize = size->second;
            }
            if (bytes == fileSize) {
                m_finished.push_back(m_current);
            }
        }
        if (fileSize > kSlowFileSize) {
            std::this_thread::sleep_for(3ms);
        }
    }
    std::size_t Count() {
        std::lock_guard lock(m_mutex);
        return m_finished.size();
    }
    std::vector<std::string> Take() {
        std::lock_guard lock(m_mutex);
        std::vector<std::string> finished;
        finished.swap(m_finished);
        return finished;
    }

private:
    const std::map<std::string, std::int64_t>& m_sizes;
    std::mutex m_mutex;
    std::string m_current;
    std::vector<std::string> m_finished;
};

// Ends the process with a message when an iteration runs past its time, so
// that a hang is reported as one instead of stalling the run.
class Watchdog {
public:
    Watchdog() : m_thread([this] { Watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    void Arm(std::string what, std::chrono::seconds allowed) {
        std::lock_guard lock(m_mutex);
        m_what = std::move(what);
        m_deadline = Clock::now() + allowed;
        m_changed.notify_all();
    }

private:
    void Watch() {
        std::unique_lock lock(m_mutex);
        while (!m_quit) {
            if (m_deadline != Clock::time_point{} && Clock::now() > m_deadline) {
                std::fprintf(stderr, "HANG: %s\n", m_what.c_str());
                std::fflush(stderr);
                std::_Exit(3);
            }
            m_changed.wait_for(lock, 100ms);
        }
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_what;
    Clock::time_point m_deadline{};
    bool m_quit = false;
    std::thread m_thread;
};

class StopUnderLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildCrcTable();
        seed = EnvironmentNumber("VARNEL_STRESS_SEED", std::random_device{}());
        random.seed(seed);
        std::printf("seed %u\n", seed);
        MakeFiles();
        SetJobObserver(&finished);
        SetMessageBoxHandlerForTesting([this](HWND, const std::string&, const std::string&, UINT) {
            return AnswerQuestion();
        });
    }
    void TearDown() override {
        SetMessageBoxHandlerForTesting(nullptr);
        SetJobObserver(nullptr);
    }

    // Many small files, with a few of several mebibytes among them, whose
    // reading passes many checkpoints, so that moments fall inside files too.
    void MakeFiles() {
        std::uniform_int_distribution<int> smallSize(1, 48 << 10);
        std::uniform_int_distribution<int> byte(0, 255);
        for (int n = 0; n < kFileCount; ++n) {
            const int size = n % 100 == 50 ? (8 << 20) + n : smallSize(random);
            std::string bytes(static_cast<std::size_t>(size), '\0');
            for (std::size_t i = 0; i < bytes.size(); i += 97) {
                bytes[i] = static_cast<char>(byte(random));
            }
            char name[16];
            std::snprintf(name, sizeof name, "%04d.bin", n);
            paths.push_back(folder.Write(name, bytes));
            sizes[paths.back()] = size;
            expected[paths.back()] = ExpectedRow(name, bytes);
        }
    }

    // On the window's thread, while the question is open.
    int AnswerQuestion() {
        ++questions;
        // The question stays open a moment, as it would for the user.
        PumpMessagesFor(std::chrono::milliseconds(Draw(0, 100)));
        switch (action.load()) {
            case Action::StopYes:
                return IDYES;
            case Action::CloseDuringQuestion:
                PostMessageA(window, WM_CLOSE, 0, 0);
                PumpMessagesFor(std::chrono::milliseconds(Draw(0, 50)));
                return Draw(0, 1) ? IDYES : IDNO;
            default:
                return IDNO;
        }
    }

    int Draw(int low, int high) {
        std::lock_guard lock(randomMutex);
        return std::uniform_int_distribution<int>(low, high)(random);
    }

    void RunIteration(int iteration, std::chrono::milliseconds jobTime);
    // The rows shown (or left in the job state) against the files the job
    // finished: those, in dropping order, and nothing else.
    void ExpectRowsOfFinishedFiles(const std::vector<ReportRow>& rows, bool allFiles);

    TestFolder folder;
    TestFolder scratch;
    unsigned seed = 0;
    std::mutex randomMutex;
    std::mt19937 random;
    std::vector<std::string> paths;
    std::map<std::string, std::int64_t> sizes;
    std::map<std::string, ReportRow> expected;
    FinishedFiles finished{sizes};
    std::unique_ptr<DroppedJobs> jobs;
    std::atomic<HWND> window{nullptr};
    std::atomic<Action> action{Action::StopNo};
    std::atomic<int> questions{0};
    Watchdog watchdog;
};

void StopUnderLoadTest::ExpectRowsOfFinishedFiles(const std::vector<ReportRow>& rows,
                                                  bool allFiles) {
    const std::vector<std::string> done = finished.Take();
    ASSERT_LE(done.size(), paths.size());
    for (std::size_t i = 0; i < done.size(); ++i) {
        ASSERT_EQ(done[i], paths[i]) << "the job finished the files out of order";
    }
    if (allFiles) {
        EXPECT_EQ(done.size(), paths.size());
    }
    ASSERT_EQ(rows.size(), done.size()) << "rows shown against files finished";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], expected[done[i]]) << "row " << i;
    }
}

void StopUnderLoadTest::RunIteration(int iteration, std::chrono::milliseconds jobTime) {
    action = static_cast<Action>(Draw(0, 4));
    const auto moment =
        std::chrono::milliseconds(Draw(0, static_cast<int>(jobTime.count() * 5 / 4)));
    char what[160];
    std::snprintf(what, sizeof what, "seed %u, iteration %d: %s at %lld ms", seed, iteration,
                  kActionNames[static_cast<int>(action.load())],
                  static_cast<long long>(moment.count()));
    SCOPED_TRACE(what);
    watchdog.Arm(what, 120s);
    if (!jobs || !jobs->IsOpen()) {
        jobs = std::make_unique<DroppedJobs>(scratch);
        ASSERT_TRUE(jobs->IsOpen());
        window = jobs->Window();
    }
    const std::size_t reportsBefore = jobs->Reports().size();
    const int questionsBefore = questions;
    jobs->m_closeDuringReport = action == Action::CloseDuringReport;
    jobs->Drop(paths);

    std::this_thread::sleep_for(moment);
    bool closed = false;
    if (jobs->IsOpen()) {
        if (action == Action::Close) {
            jobs->Close();
            closed = true;
        } else if (action != Action::CloseDuringReport) {
            jobs->DoubleClick();
        }
    }
    // Whatever happened, the window ends up back at rest or gone; once it
    // was closed, at any moment, it goes (Wine may take a while to hide it).
    ASSERT_TRUE(jobs->WaitForReport(100s));
    const bool asked = questions > questionsBefore;
    const bool reported = jobs->Reports().size() > reportsBefore;
    closed = closed || (action == Action::CloseDuringQuestion && asked) ||
             (action == Action::CloseDuringReport && reported);
    ASSERT_TRUE(closed ? jobs->WaitUntilClosed(100s) : reported);

    if (reported) {
        ExpectRowsOfFinishedFiles(RowsOf(jobs->Reports().back()),
                                  action == Action::StopNo || action == Action::CloseDuringReport);
    } else {
        // Closed before the end: the job was stopped and waited for; what it
        // recorded is what it finished.
        EXPECT_FALSE(jobs->IsOpen());
        EXPECT_TRUE(action == Action::Close || (action == Action::CloseDuringQuestion && asked));
        EXPECT_EQ(g_jobRunning.load(), 0);
        ExpectRowsOfFinishedFiles(RowsOf(TakeReport(jobs->Report())), false);
    }
}

TEST_F(StopUnderLoadTest, StopsAndClosesAtRandomMomentsLeaveExactlyTheFinishedRows) {
    // The length of an undisturbed job, which the moments are spread over
    // (and a little past, into the report).
    jobs = std::make_unique<DroppedJobs>(scratch);
    window = jobs->Window();
    const auto start = Clock::now();
    jobs->Drop(paths);
    ASSERT_TRUE(WaitUntil([&] { return finished.Count() == paths.size(); }, 100s));
    const auto jobTime =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    ASSERT_TRUE(jobs->WaitForReport(100s));
    std::printf("an undisturbed job over %zu files: %lld ms\n", paths.size(),
                static_cast<long long>(jobTime.count()));
    ExpectRowsOfFinishedFiles(RowsOf(jobs->Reports().back()), true);

    const int iterations = static_cast<int>(EnvironmentNumber("VARNEL_STRESS_ITERATIONS", 25));
    int outcomes[5] = {};
    for (int iteration = 0; iteration < iterations && !HasFatalFailure(); ++iteration) {
        RunIteration(iteration, jobTime);
        ++outcomes[static_cast<int>(action.load())];
    }
    std::printf(
        "iterations: %d stop, %d answer no, %d close, %d close during the question, "
        "%d close during the report\n",
        outcomes[0], outcomes[1], outcomes[2], outcomes[3], outcomes[4]);
    jobs.reset();
}

}  // namespace
