#include <gtest/gtest.h>

#include <chrono>

#include "app/console_options.h"
#include "app/exit_status.h"
#include "app/progress_text.h"
#include "engine/job_messages.h"

namespace {

using Action = ConsoleRequest::Action;
using Indices = std::vector<std::size_t>;

TEST(ConsoleOptionsTest, PathsAreCheckedInOrder) {
    const ConsoleRequest request = ParseConsoleArguments({"a.bin", "C:\\data", "-"});
    EXPECT_EQ(request.action, Action::Check);
    EXPECT_EQ(request.pathIndices, (Indices{0, 1, 2}));
}

TEST(ConsoleOptionsTest, HelpAndVersion) {
    for (const char* help : {"--help", "-h", "/?"}) {
        EXPECT_EQ(ParseConsoleArguments({"a.bin", help, "--bogus"}).action, Action::Help) << help;
    }
    EXPECT_EQ(ParseConsoleArguments({"--version"}).action, Action::Version);
    EXPECT_EQ(ParseConsoleArguments({"a.bin", "--version"}).action, Action::Version);
    EXPECT_TRUE(ParseConsoleArguments({"-q", "a.bin"}).quiet);
    EXPECT_TRUE(ParseConsoleArguments({"a.bin", "--quiet"}).quiet);
}

TEST(ConsoleOptionsTest, DoubleDashMakesEveryLaterArgumentAPath) {
    const ConsoleRequest request = ParseConsoleArguments({"--", "-x.bin", "--help"});
    EXPECT_EQ(request.action, Action::Check);
    EXPECT_EQ(request.pathIndices, (Indices{1, 2}));
}

TEST(ConsoleOptionsTest, UsageErrors) {
    const ConsoleRequest unknown = ParseConsoleArguments({"a.bin", "--verbose"});
    EXPECT_EQ(unknown.action, Action::UsageError);
    EXPECT_NE(unknown.error.find("--verbose"), std::string::npos);
    EXPECT_EQ(ParseConsoleArguments({"-x"}).action, Action::UsageError);
    EXPECT_EQ(ParseConsoleArguments({}).action, Action::UsageError);
    EXPECT_EQ(ParseConsoleArguments({"--"}).action, Action::UsageError);
}

TEST(ExitStatusTest, PlaceholdersAndTheNoErrorsLineAreNoMessages) {
    CStringList messages;
    EXPECT_EQ(ReportExitStatus(messages), kExitClean);
    messages.AddTail(kPlaceholderMessage);
    messages.AddTail(kNoErrorsMessage);
    messages.AddTail(kPlaceholderMessage);
    EXPECT_EQ(ReportExitStatus(messages), kExitClean);
    messages.AddTail("a.bin:\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B");
    EXPECT_EQ(ReportExitStatus(messages), kExitMessages);

    CStringList noInput;
    noInput.AddTail(kNoInputMessage);
    EXPECT_EQ(ReportExitStatus(noInput), kExitMessages);
}

using Clock = std::chrono::steady_clock;

// A job that began ten seconds ago, at the third of 120 files known.
JobProgress ThirdFile(std::int64_t bytesDone, std::int64_t bytesKnown) {
    JobProgress progress;
    progress.path = "C:\\data\\sample.dat";
    progress.filesDone = 2;
    progress.filesKnown = 120;
    progress.bytesDone = bytesDone;
    progress.bytesKnown = bytesKnown;
    progress.started = Clock::time_point{} + std::chrono::hours(1);
    return progress;
}
const Clock::time_point kTenSecondsOn =
    Clock::time_point{} + std::chrono::hours(1) + std::chrono::seconds(10);

TEST(ProgressFiguresTest, FilesBytesShareRateAndTimeLeft) {
    struct Case {
        std::int64_t done, known;
        const char* text;
    } cases[] = {
        // 10 MB in 10 s of 100 MB: 90 MB left at 1 MB/s.
        {10'000'000, 100'000'000, "3 / 120 ファイル  10%  1.0 MB/s  残り 1分30秒  sample.dat"},
        {450'000'000'000, 500'000'000'000,
         "3 / 120 ファイル  90%  45.0 GB/s  残り 1秒  sample.dat"},
        {20'000, 200'000'000, "3 / 120 ファイル  0%  2.0 KB/s  残り 27時間46分  sample.dat"},
        // Listed sizes may fall short of what is read: never past 100%.
        {5'000, 4'000, "3 / 120 ファイル  100%  500 B/s  sample.dat"},
        // Nothing read yet: no rate to go by. Without sizes, files count.
        {0, 100, "3 / 120 ファイル  0%  sample.dat"},
        {0, 0, "3 / 120 ファイル  1%  sample.dat"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressFiguresText(ThirdFile(c.done, c.known), kTenSecondsOn), c.text);
    }
    const ProgressFigures figures = FigureProgress(ThirdFile(1234567, 7654321), kTenSecondsOn);
    EXPECT_EQ(figures.bytes, "1,234,567 / 7,654,321 バイト");
    EXPECT_EQ(figures.percent, 16);
}

TEST(ProgressFiguresTest, NoEstimateInTheFirstSecondNorBeforeTheFirstFile) {
    const JobProgress progress = ThirdFile(10'000'000, 100'000'000);
    const ProgressFigures early = FigureProgress(progress, progress.started);
    EXPECT_TRUE(early.rate.empty());
    EXPECT_TRUE(early.timeLeft.empty());
    EXPECT_EQ(FigureProgress(JobProgress{}, kTenSecondsOn).files, "0 / 0 ファイル");
}

TEST(ProgressLineTest, ALongNameLosesItsBeginningButNoHalfCharacter) {
    // 表 is 0x95 0x5C: cutting between its bytes would leave a backslash.
    JobProgress progress = ThirdFile(5, 10);
    for (int i = 0; i < 20; ++i) {
        progress.path += "\x95\x5C";
    }
    progress.path += ".bin";
    const std::string line = ProgressLine(FigureProgress(progress, progress.started), 40);
    EXPECT_LE(line.size(), 40u);
    const std::string start = "3 / 120 ファイル  50%  ...";
    ASSERT_EQ(line.substr(0, start.size()), start);
    EXPECT_EQ(line.substr(start.size(), 2), "\x95\x5C");
    EXPECT_EQ(line.substr(line.size() - 4), ".bin");
}

TEST(ProgressLineTest, ANarrowConsoleStillGetsALineThatFits) {
    const ProgressFigures figures = FigureProgress(ThirdFile(10, 1000), kTenSecondsOn);
    for (std::size_t columns : {0u, 1u, 5u, 16u, 20u}) {
        EXPECT_LE(ProgressLine(figures, columns).size(), columns) << columns;
    }
}

}  // namespace
