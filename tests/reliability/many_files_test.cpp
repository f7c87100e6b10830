// Folders dropped on the drop window. One of 100,000 files: each file
// becomes one row of the result window, once, in the order the folder lists
// them, with its own CRC and size, and nothing is left out or doubled.
// Folders that ordinary paths do not reach: their files, as on the command
// line.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/crc16.h"
#include "framework/cp932_text.h"
#include "tests/reliability/reliability_support.h"
#include "tests/support/folder_listing.h"
#include "tests/support/test_files.h"
#include "tests/ui/drop/dropped_jobs.h"

namespace {

using namespace std::chrono_literals;

constexpr std::size_t kFileCount = 100000;

// The folder the test's fixture made on the host (make_many_files.pl), as
// this program names it, or nothing outside Wine.
std::string FixtureFolder() {
    const char* unixPath = std::getenv("VARNEL_MANY_FILES");
    using ToDos = wchar_t*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (unixPath == nullptr || toDos == nullptr) {
        return {};
    }
    wchar_t* dos = toDos(unixPath);
    if (dos == nullptr) {
        return {};
    }
    const std::string folder = NarrowText(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return folder;
}

// "f001234.bin" holds "file 001234".
std::string ContentOf(const std::string& name) {
    return "file " + name.substr(1, 6);
}

TEST(ManyFilesTest, AFolderOf100000FilesDroppedGivesEachFileItsRowOnce) {
    const std::string folder = FixtureFolder();
    if (folder.empty()) {
        GTEST_SKIP() << "the folder is made by the test's fixture (make_many_files.pl) under Wine";
    }
    BuildCrcTable();
    const std::vector<std::string> names = FileNamesIn(folder);
    ASSERT_EQ(names.size(), kFileCount);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "f%06zu.bin", i);
        ASSERT_EQ(sorted[i], expected) << "the fixture is incomplete";
    }

    TestFolder scratch;
    DroppedJobs jobs(scratch);
    ASSERT_TRUE(jobs.IsOpen());
    const auto start = std::chrono::steady_clock::now();
    jobs.Drop({folder});
    ASSERT_TRUE(jobs.WaitForReport(600s)) << "no report within ten minutes";
    std::printf("drop to report, %zu files: %.1f s\n", kFileCount,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

    const std::vector<std::string> report = jobs.Reports().front();
    const std::vector<ReportRow> rows = RowsOf(report);
    ASSERT_EQ(rows.size(), kFileCount);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], ExpectedRow(names[i], ContentOf(names[i]))) << "row " << i;
    }
    // No message line above the rows, and a total of every file.
    EXPECT_EQ(report.front().rfind("Name", 0), 0u) << report.front();
    EXPECT_EQ(report.back(), "Total  100000 Files  1,100,000 Bytes");
    EXPECT_EQ(report.size(), kFileCount + 4);
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A path of 260 bytes or more, or a name ending in a dot, is reached only
// through the wide functions; dropped, such a folder gives its files exactly
// as the same path given to the console checker does.
TEST(DroppedFoldersTest, FoldersOrdinaryPathsDoNotReachGiveTheirFilesAsOnTheCommandLine) {
    BuildCrcTable();
    TestFolder root;
    TestFolder scratch;
    const std::string dotted = root.Path() + "\\dotted.";
    std::string deep = root.Path();
    while (deep.size() < 262) {
        deep.append(1, '\\').append(std::min<std::size_t>(60, 262 - deep.size()), 'd');
        ASSERT_TRUE(MakeFolderVerbatim(deep)) << deep.size();
    }
    ASSERT_TRUE(MakeFolderVerbatim(dotted));
    ASSERT_TRUE(WriteVerbatim(dotted + "\\a.bin", "123456789"));
    ASSERT_TRUE(WriteVerbatim(deep + "\\b.bin", "abc"));

    DroppedJobs jobs(scratch);
    ASSERT_TRUE(jobs.IsOpen());
    jobs.Drop({dotted, deep});
    ASSERT_TRUE(jobs.WaitForReport(60s));
    const std::vector<std::string> shown = jobs.Reports().front();
    EXPECT_EQ(RowsOf(shown), (std::vector<ReportRow>{ExpectedRow("a.bin", "123456789"),
                                                     ExpectedRow("b.bin", "abc")}));
    EXPECT_EQ(shown.front().rfind("Name", 0), 0u) << shown.front();

    const ConsoleRun run = RunVarnelc(Quoted(dotted) + " " + Quoted(deep), scratch);
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(LinesOf(run.out), shown);
    RemoveTreeVerbatim(root.Path());
}

}  // namespace
