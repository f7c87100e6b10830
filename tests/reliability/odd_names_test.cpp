// Inputs and listed names that are not what they look like: folders named
// like lists, lists that are folders, device names, and files whose names
// ordinary paths do not reach (named like a device, or ending in a dot or
// a space). None may hang the job, be read as something else, or pass as a
// matching file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

#include "engine/crc16.h"
#include "engine/job_runner.h"
#include "engine/job_state.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"
#include "tests/support/folder_listing.h"
#include "ui/result/report_layout.h"

namespace {

// "ファイルが開けません" and "読み込みエラー", pinned byte for byte.
const std::string kCannotOpen =
    ":\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
const std::string kReadError = ":\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";

class OddNamesTest : public ListCheckTest {
protected:
    void TearDown() override {
        // The folder may hold names that only verbatim paths remove.
        RemoveTreeVerbatim(folder.Path());
        ListCheckTest::TearDown();
    }
    std::string Sub(const std::string& name) const { return folder.PathOf(name); }
};

TEST_F(OddNamesTest, AFolderNamedLikeAListIsExpandedOrCannotBeOpenedButNeverRead) {
    folder.MakeFolder("x.crc");
    folder.MakeFolder("y.txt");
    folder.Write("x.crc\\a.bin", "123456789");
    folder.Write("y.txt\\b.bin", "abc");
    folder.Write("c.bin", "abc");

    // Given to the job as a plain entry (as a drop of it would not be), it
    // is a list that cannot be opened.
    RunInputs({Sub("x.crc"), Sub("y.txt")}, report);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{Sub("x.crc") + kCannotOpen, Sub("y.txt") + kCannotOpen}));
    EXPECT_TRUE(Rows().empty());

    // On the command line it is a folder: its files are checksummed. Inside
    // a folder being expanded it is a subfolder, and not entered.
    TestFolder scratch;
    const ConsoleRun named = RunVarnelc(Quoted(Sub("x.crc")) + " " + Quoted(Sub("y.txt")), scratch);
    EXPECT_EQ(named.status, 0u);
    EXPECT_EQ(named.out.substr(0, named.out.find("-----")), "Name   CRC   Bytes\r\n");
    EXPECT_NE(named.out.find("a.bin  6F91      9\r\n"), std::string::npos) << named.out;
    EXPECT_NE(named.out.find("b.bin  61DA      3\r\n"), std::string::npos) << named.out;
    const ConsoleRun outer = RunVarnelc(Quoted(folder.Path()), scratch);
    EXPECT_EQ(outer.status, 0u);
    EXPECT_NE(outer.out.find("c.bin  61DA      3\r\n----"), std::string::npos);
    EXPECT_EQ(outer.out.find("a.bin"), std::string::npos) << outer.out;
}

TEST_F(OddNamesTest, AListedNameThatIsAFolderFails) {
    folder.MakeFolder("sub.bin");
    folder.MakeFolder("sub");
    // A folder could pass for an empty file: its size 0 and CRC FFFF are
    // exactly what the list says.
    RunInputs({folder.Write("d.crc", "sub.bin, FFFF, 0\r\nsub, FFFF, 0\r\n"),
               folder.Write("r.txt",
                            "Name     CRC   Bytes\n-------  ----  -----\n"
                            "sub.bin  FFFF      0\n-------\nTotal  1 Files  0 Bytes\n")},
              report);
    EXPECT_EQ(Rows(), (std::vector<Row>{
                          {"sub.bin", 0xFFFF, 0}, {"sub", 0xFFFF, 0}, {"sub.bin", 0xFFFF, 0}}));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"sub.bin", "sub", "sub.bin"}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"sub.bin" + kReadError, "sub" + kReadError,
                                                    "sub.bin" + kReadError}));
}

TEST_F(OddNamesTest, DeviceNamesAsInputsNameNoFile) {
    const std::vector<std::string> devices = {
        "NUL", "aux", Sub("nul.txt"), Sub("COM1.crc"), Sub("Con"), Sub("nul .bin"), "\\\\.\\NUL"};
    RunInputs(std::vector<TextInput>(devices.begin(), devices.end()), report);
    std::vector<std::string> expected;
    for (const std::string& device : devices) {
        expected.push_back(device + kCannotOpen);
    }
    EXPECT_EQ(Messages(), expected);
    EXPECT_TRUE(Rows().empty());

    // On the command line too, each is named as typed, the long-path
    // conversion included (a search for "nul.txt" finds the device "nul").
    TestFolder scratch;
    const ConsoleRun run = RunVarnelc(
        "aux " + Quoted(Sub("nul.txt")) + " " + Quoted(Sub("COM1.crc")) + " " + Sub("nul"), scratch,
        30000);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.status, 1u);
    EXPECT_EQ(run.out, "aux" + kCannotOpen + "\r\n" + Sub("nul.txt") + kCannotOpen + "\r\n" +
                           Sub("COM1.crc") + kCannotOpen + "\r\n" + Sub("nul") + kCannotOpen +
                           "\r\n");
}

TEST_F(OddNamesTest, DeviceNamesInListsNeverMatch) {
    // Each line says what a device would give: no bytes, CRC FFFF.
    const std::string names[] = {"NUL", "nul.txt", "COM1.crc", "con", "AUX.bin", "LPT9"};
    std::string delimited;
    std::string column = "FileName  CRC  Size\r\n----\r\n";
    for (const std::string& name : names) {
        delimited += name + ", FFFF, 0\r\n";
        column += name + "  FFFF  0\r\n";
    }
    RunInputs({folder.Write("d.crc", delimited), folder.Write("c.crc", column)}, report);
    std::vector<Row> rows;
    std::vector<std::string> messages;
    for (const std::string& name : names) {
        rows.push_back({name, 0xFFFF, 0});
        messages.push_back(name + kReadError);
    }
    for (const std::string& name : names) {
        rows.push_back({name, 0xFFFF, 0});
        messages.push_back(Sub(name) + kReadError);
    }
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(Messages(), messages);
    EXPECT_EQ(FailedNames().size(), 2 * std::size(names));
}

// The console's own device: read, it would wait for the user to type. The
// job runs on a thread of its own here, so that a hang fails the test
// instead of stopping it.
TEST_F(OddNamesTest, TheConsoleDeviceIsNeverRead) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    std::atomic<bool> done = false;
    std::thread job([this, &done] {
        RunInputs({TextInput("CON"), TextInput("CONIN$"), TextInput("con.bin")}, report);
        done = true;
    });
    for (int wait = 0; wait < 100 && !done; ++wait) {
        Sleep(100);
    }
    if (!done) {
        ADD_FAILURE() << "the job waits on the console";
        std::fflush(nullptr);
        TerminateProcess(GetCurrentProcess(), 1);
    }
    job.join();
    FreeConsole();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"CON" + kCannotOpen, "CONIN$" + kCannotOpen,
                                                    "con.bin" + kCannotOpen}));
    EXPECT_TRUE(Rows().empty());
}

// Files whose names are devices to ordinary paths, or lose their last dot
// or space in them, exist all the same (made by other systems, through
// verbatim paths, on shares). Each must be read itself: never the device,
// never the file of the shortened name.
TEST_F(OddNamesTest, FilesNamedLikeDevicesOrEndingInADotOrSpaceAreReadThemselves) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"x", "plain x"},
        {"x.", "x with a dot"},
        {"x..", "two dots"},
        {"y ", "y with a space"},
        {"nul", "a file named nul"},
        {"con.txt", "a file named con.txt"},
        {"COM1.crc", "a file named COM1.crc"},
        {"\x95\x5C.", "hyou with a dot"}};
    std::vector<std::string> made;
    for (const auto& [name, content] : files) {
        if (WriteVerbatim(Sub(name), content)) {
            made.push_back(name);
        }
    }
    ASSERT_GE(made.size(), 2u) << "the file system takes none of these names";

    // Named as a folder: one row per file, each with its own CRC, in the
    // order the folder lists them.
    CStringList names;
    CCrcList crcs;
    CSizeList sizes;
    for (const std::string& listed : FileNamesIn(folder.Path())) {
        const auto file = std::find_if(files.begin(), files.end(), [&listed](const auto& file) {
            return file.first == listed;
        });
        if (file != files.end()) {
            names.AddTail(file->first);
            crcs.AddTail(CrcOf(file->second));
            sizes.AddTail(static_cast<std::int64_t>(file->second.size()));
        }
    }
    ASSERT_EQ(names.GetCount(), made.size());
    std::string expected;
    CStringList noMessages;
    BuildReportLines(noMessages, names, crcs, sizes,
                     [&expected](const std::string& line) { expected += line + "\r\n"; });
    TestFolder scratch;
    const ConsoleRun run = RunVarnelc(Quoted(folder.Path()), scratch);
    EXPECT_EQ(run.status, 0u);
    EXPECT_EQ(run.out, expected);

    // Listed by name, each is found again: every dot of a name stays.
    std::string list;
    for (const std::string& name : made) {
        const std::string& content =
            std::find_if(files.begin(), files.end(), [&name](const auto& file) {
                return file.first == name;
            })->second;
        if (name.back() == ' ') {
            continue;  // a space ends a delimited list's name field
        }
        list += name + ", " + FormatCrcHex(CrcOf(content)) + ", " + std::to_string(content.size()) +
                "\r\n";
    }
    RunInputs({folder.Write("sums.crc", list)}, report);
    EXPECT_TRUE(FailedNames().empty()) << ::testing::PrintToString(Messages());
}

}  // namespace
