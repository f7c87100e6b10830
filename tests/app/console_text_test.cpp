#include <gtest/gtest.h>

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

// " バイト" in code page 932.
const std::string kBytes = " \x83\x6F\x83\x43\x83\x67";

TEST(ProgressLineTest, ShowsInputNumberNameAndBytes) {
    EXPECT_EQ(ProgressLine(3, 120, "sample.dat", 12345678, 79),
              "[3/120] sample.dat  12,345,678" + kBytes);
}

TEST(ProgressLineTest, ALongNameLosesItsBeginningButNoHalfCharacter) {
    // 表 is 0x95 0x5C: cutting between its bytes would leave a backslash.
    std::string name;
    for (int i = 0; i < 20; ++i) {
        name += "\x95\x5C";
    }
    name += ".bin";
    const std::string line = ProgressLine(1, 2, name, 5, 30);
    EXPECT_LE(line.size(), 30u);
    const std::string start = "[1/2] ...";
    ASSERT_EQ(line.substr(0, start.size()), start);
    EXPECT_EQ(line.substr(start.size(), 2), "\x95\x5C");
    EXPECT_NE(line.find(".bin  5" + kBytes), std::string::npos);
}

TEST(ProgressLineTest, ANarrowConsoleStillGetsALineThatFits) {
    for (std::size_t columns : {0u, 1u, 5u, 16u, 20u}) {
        EXPECT_LE(ProgressLine(10, 10, "name.bin", 1234567, columns).size(), columns) << columns;
    }
}

}  // namespace
