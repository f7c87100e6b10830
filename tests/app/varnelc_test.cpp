// Runs the console checker as a user's script would: a separate process,
// its output redirected to a file, its exit status read.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/crc16.h"
#include "engine/job_messages.h"
#include "framework/cp932_text.h"
#include "framework/unicode_text.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

namespace {

// "表示 フォルダ": a folder name with a blank and a 0x5C trail byte.
const std::string kFolderName = "\x95\x5c\x8e\xa6\x20\x83\x74\x83\x48\x83\x8b\x83\x5f";
const std::string kCannotOpen =
    "\x3a\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
const std::string kCrcMismatch = "\x3a\x43\x52\x43\x95\x73\x88\xea\x92\x76\x28\x4c\x69\x73\x74\x3d";

using Outcome = ConsoleRun;

class VarnelcTest : public ::testing::Test {
protected:
    void SetUp() override { BuildCrcTable(); }

    // Starts varnelc with the argument text as typed after its name.
    Outcome Run(const std::string& arguments) const { return RunVarnelc(arguments, scratch); }
    // The same from within folder, as a user who changed into it.
    Outcome RunIn(const std::string& folder, const std::string& arguments) const {
        char previous[MAX_PATH];
        GetCurrentDirectoryA(sizeof previous, previous);
        EXPECT_TRUE(SetCurrentDirectoryA(folder.c_str()));
        const Outcome outcome = Run(arguments);
        SetCurrentDirectoryA(previous);
        return outcome;
    }

    TestFolder scratch;
    TestFolder data;
};

std::uint16_t CrcOf(const std::string& bytes) {
    return UpdateCrcBytewise(kCrcInitial, bytes.data(), bytes.size());
}

TEST_F(VarnelcTest, PrintsTheReportOfPlainFilesAsTheResultWindowSavesIt) {
    const std::string x = data.Write("x.bin", "123456789");
    const std::string abc = data.Write("abc.bin", "abc");
    const Outcome outcome = Run(x + "   " + Quoted(abc));
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.out,
              "Name     CRC   Bytes\r\n"
              "-------  ----  -----\r\n"
              "x.bin    6F91      9\r\n"
              "abc.bin  61DA      3\r\n"
              "--------------------\r\n"
              "Total  2 Files  12 Bytes\r\n");
    EXPECT_EQ(outcome.err, "");
}

TEST_F(VarnelcTest, AMessageMakesTheStatusOne) {
    const std::string missing = data.PathOf("missing.bin");
    const Outcome outcome = Run(Quoted(missing));
    EXPECT_EQ(outcome.status, 1u);
    EXPECT_EQ(outcome.out, missing + kCannotOpen + "\r\n");
    // Quiet, the report keeps what failed and its total, and so does the status.
    const Outcome quiet = Run("-q " + data.Write("x.bin", "123456789") + " " + Quoted(missing));
    EXPECT_EQ(quiet.status, 1u);
    EXPECT_EQ(quiet.out, missing + kCannotOpen + "\r\nTotal  1 Files  9 Bytes\r\n");
}

TEST_F(VarnelcTest, AnEmptyFolderLeavesTheNoInputMessage) {
    const Outcome outcome = Run(Quoted(data.MakeFolder("empty")));
    EXPECT_EQ(outcome.status, 1u);
    EXPECT_EQ(outcome.out, std::string(kNoInputMessage) + "\r\n");
}

TEST_F(VarnelcTest, UsageErrorsHelpAndVersion) {
    for (const char* arguments : {"", "   ", "--bogus a.bin", "--", "-r"}) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2u) << arguments;
        EXPECT_EQ(outcome.out, "") << arguments;
        EXPECT_NE(outcome.err.find("--help"), std::string::npos) << arguments;
    }
    const Outcome help = Run("--help");
    EXPECT_EQ(help.status, 0u);
    EXPECT_NE(help.out.find("Usage:  varnelc"), std::string::npos);
    EXPECT_EQ(help.out.substr(0, 6), "\x8e\x67\x82\xa2\x95\xfb");  // 使い方
    const Outcome version = Run("--version");
    EXPECT_EQ(version.status, 0u);
    EXPECT_EQ(version.out, "varnelc " VARNEL_VERSION "\r\n");
}

// What a user gives is what is checked, every listed file is checked or
// reported, and no report line comes from list text that was not a row.
TEST_F(VarnelcTest, NeverReportsCleanWhatItDidNotCheck) {
    data.Write("@a.bin", "abc");
    data.Write("a.bin", "123456789");
    data.Write("x.bin", "123456789");
    const Outcome at = RunIn(data.Path(), "@a.bin");
    EXPECT_EQ(at.status, 0u);
    EXPECT_NE(at.out.find("\r\n@a.bin  61DA      3\r\n"), std::string::npos) << at.out;

    const std::string missing =
        "missing.bin:\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B\r\n";
    for (const char* list :
         {"x.bin, 6F91, 9\r\nmissing.bin, 0000, 5\r\n\r\n",
          "x.bin, 6F91, 9\r\nmissing.bin, 0000, 5", "x.bin, 6F91, 9\nmissing.bin, 0000, 5\n"}) {
        const Outcome outcome = Run(Quoted(data.Write("list.crc", list)));
        EXPECT_EQ(outcome.status, 1u) << list;
        EXPECT_EQ(outcome.out.rfind(missing, 0), 0u) << outcome.out;
    }

    const Outcome forged =
        Run(Quoted(data.Write("list.crc", " x, 1A2B, 5\r\ny.bin, 1A2B, 5\r\n\r\n")));
    EXPECT_EQ(forged.status, 1u);
    EXPECT_EQ(forged.out.find("\ny.bin, 1A2B"), std::string::npos) << forged.out;
    EXPECT_NE(forged.out.find("\r\ny.bin       FFFF"), std::string::npos) << forged.out;
}

// A saved report opened and saved again as UTF-8 still verifies every row,
// and a row whose name begins with "Total" is verified like any other.
TEST_F(VarnelcTest, ReportsResavedAsUtf8AndRowsNamedTotalAreVerified) {
    const std::string folder = data.MakeFolder("sums");
    data.Write("sums\\能力.bin", "abc");
    data.Write("sums\\x.bin", "123456789");
    data.Write("sums\\Total 2.bin", "total");
    const Outcome saved = Run(Quoted(folder));
    ASSERT_EQ(saved.status, 0u);
    const std::string list = data.Write("sums\\sums.txt", WideToUtf8(WidenText(saved.out)));

    const Outcome unchanged = Run(Quoted(list));
    EXPECT_EQ(unchanged.status, 0u) << unchanged.out;
    EXPECT_EQ(unchanged.out, std::string(kNoErrorsMessage) + "\r\n" + saved.out);

    data.Write("sums\\Total 2.bin", "TOTAL");
    const Outcome changed = Run(Quoted(list));
    EXPECT_EQ(changed.status, 1u);
    EXPECT_EQ(changed.out.rfind("Total 2.bin" + kCrcMismatch, 0), 0u) << changed.out;
}

// A file whose name code page 932 cannot write is checked by its real name:
// its row shows '?' for those characters, and a message says why a saved
// report cannot name it.
TEST_F(VarnelcTest, FilesNamedBeyondCodePage932AreChecked) {
    const std::string folder = data.MakeFolder("hangul");
    data.Write(std::wstring(L"hangul\\\uD55C\uAD6D.bin"), "abc");
    const Outcome outcome = Run(Quoted(folder));
    EXPECT_EQ(outcome.status, 1u);
    // "名前にレポートで書けない文字があります"
    EXPECT_EQ(outcome.out.rfind(folder + "\\??.bin:\x96\xBC\x91\x4F\x82\xC9\x83\x8C\x83\x7C\x81\x5B"
                                         "\x83\x67\x82\xC5\x8F\x91\x82\xAF\x82\xC8\x82\xA2",
                                0),
              0u)
        << outcome.out;
    EXPECT_NE(outcome.out.find("\r\n??.bin  61DA      3\r\n"), std::string::npos) << outcome.out;
}

// What a saved report is for: it verifies clean while nothing changed,
// and names exactly the changed file after one byte of it changed.
TEST_F(VarnelcTest, ASavedReportVerifiesItsFilesAgain) {
    const std::string folder = data.MakeFolder(kFolderName);
    const std::string b = "abcdefgh";
    data.Write(kFolderName + "\\a.bin", "123456789");
    data.Write(kFolderName + "\\b.bin", b);
    data.Write(kFolderName + "\\c.bin", std::string(5000, 'c'));

    // Typed as shells complete a folder: a backslash before the closing quote.
    const Outcome saved = Run(Quoted(folder + "\\"));
    ASSERT_EQ(saved.status, 0u);
    ASSERT_EQ(saved.out.substr(0, 4), "Name");
    const std::string list = data.Write(kFolderName + "\\sums.txt", saved.out);

    const Outcome unchanged = Run(Quoted(list));
    EXPECT_EQ(unchanged.status, 0u);
    EXPECT_EQ(unchanged.out, std::string(kNoErrorsMessage) + "\r\n" + saved.out);

    std::string changed = b;
    changed[3] = 'X';
    data.Write(kFolderName + "\\b.bin", changed);
    const Outcome after = Run(Quoted(list));
    EXPECT_EQ(after.status, 1u);
    std::string message = "b.bin" + kCrcMismatch;
    message += FormatCrcHex(CrcOf(b));
    message += ",File=";
    message += FormatCrcHex(CrcOf(changed));
    message += ")\r\n";
    ASSERT_EQ(after.out.substr(0, message.size()), message);
    EXPECT_EQ(after.out.substr(message.size(), 4), "Name");
}

// With -r a folder stands for its whole tree, each file named from the
// folder on, each folder's files before its sub-folders; the report saved
// there verifies the tree again. Without it, only the files directly in
// the folder, named as ever.
TEST_F(VarnelcTest, ATreeIsCheckedByRelativeNamesOnlyWhenAsked) {
    const std::string tree = data.MakeFolder("tree");
    data.MakeFolder("tree\\sub");
    data.MakeFolder("tree\\sub\\deeper");
    data.Write("tree\\sub\\deeper\\y.bin", "abc");
    data.Write("tree\\sub\\x.bin", "123456789");
    data.Write("tree\\a.bin", "a");
    EXPECT_EQ(Run(Quoted(tree)).out.find("sub"), std::string::npos);

    const Outcome saved = RunIn(tree, "-r .");
    ASSERT_EQ(saved.status, 0u) << saved.out;
    EXPECT_NE(saved.out.find("\r\na.bin             " + FormatCrcHex(CrcOf("a")) +
                             "      1\r\n"
                             "sub\\x.bin         6F91      9\r\n"
                             "sub\\deeper\\y.bin  61DA      3\r\n"),
              std::string::npos)
        << saved.out;
    // A folder a wildcard matched is named with its own name, as beside it.
    EXPECT_EQ(RunIn(tree, "-r *").out, saved.out);
    const std::string list = data.Write("tree\\sums.txt", saved.out);
    EXPECT_EQ(Run("-r " + Quoted(list)).status, 0u);

    data.Write("tree\\sub\\deeper\\y.bin", "abd");
    const Outcome changed = Run(Quoted(list));
    EXPECT_EQ(changed.status, 1u);
    EXPECT_EQ(changed.out.rfind("sub\\deeper\\y.bin" + kCrcMismatch, 0), 0u) << changed.out;
}

// A name beginning with '-' is a row like any other: every row after it is
// still verified, and the changed file is named.
TEST_F(VarnelcTest, ARowBeginningWithADashDoesNotEndTheTable) {
    const std::string names[] = {data.Write("a.bin", "a"), data.Write("-b.bin", "b"),
                                 data.Write("y.bin", "y")};
    const Outcome saved =
        Run("-- " + Quoted(names[0]) + " " + Quoted(names[1]) + " " + Quoted(names[2]));
    ASSERT_EQ(saved.status, 0u);
    const std::string list = data.Write("sums.txt", saved.out);
    data.Write("y.bin", "yy");
    const Outcome after = Run(Quoted(list));
    EXPECT_EQ(after.status, 1u);
    EXPECT_EQ(after.out.rfind("y.bin:", 0), 0u) << after.out;
    EXPECT_NE(after.out.find("Total  3 Files"), std::string::npos) << after.out;
}

// Reports joined one after the other verify the rows of both; what follows
// a Ctrl-Z is not read, and the list says so.
TEST_F(VarnelcTest, EveryTableOfJoinedReportsIsReadAndNothingAfterCtrlZPassesUnsaid) {
    const Outcome first = Run(Quoted(data.Write("a.bin", "a")));
    const Outcome second = Run(Quoted(data.Write("b.bin", "b")));
    const Outcome joined = Run(Quoted(data.Write("joined.txt", first.out + second.out)));
    EXPECT_EQ(joined.status, 0u) << joined.out;
    EXPECT_NE(joined.out.find("Total  2 Files"), std::string::npos) << joined.out;

    const std::string cut = data.Write("cut.txt", first.out + "\x1A" + second.out);
    const Outcome ctrlZ = Run(Quoted(cut));
    EXPECT_EQ(ctrlZ.status, 1u);
    EXPECT_EQ(ctrlZ.out.rfind(cut + ":終わりの印（Ctrl-Z）の後ろの行は照合していません。\r\n", 0),
              0u)
        << ctrlZ.out;
}

// Every dot of a listed name stays: "a..bin" is not "a.bin", and "..\x.bin"
// lies in the list's parent folder.
TEST_F(VarnelcTest, AListedNameIsTheFileItNamesDotsIncluded) {
    data.MakeFolder("backup");
    data.Write("x.bin", "123456789");
    data.Write("backup\\x.bin", "abc");
    data.Write("backup\\a..bin", "123456789");
    data.Write("backup\\a.bin", "abc");
    const std::string list =
        data.Write("backup\\sums.crc", "..\\x.bin, 6F91, 9\r\na..bin, 6F91, 9\r\n");
    const Outcome outcome = Run(Quoted(list));
    EXPECT_EQ(outcome.status, 0u) << outcome.out;
    data.Write("x.bin", "12345678");
    EXPECT_EQ(Run(Quoted(list)).out.rfind("..\\x.bin:", 0), 0u);
}

// A report saved after a failed check is no clean baseline: verifying it
// says how many errors it recorded, even when every row still matches.
TEST_F(VarnelcTest, AReportThatRecordedErrorsIsNeverClean) {
    const Outcome failed =
        Run(Quoted(data.Write("a.bin", "")) + " " + Quoted(data.PathOf("missing.bin")));
    ASSERT_EQ(failed.status, 1u);
    const std::string list = data.Write("sums.txt", failed.out);
    const Outcome outcome = Run(Quoted(list));
    EXPECT_EQ(outcome.status, 1u);
    // ":このレポートは作成時に1件のエラーを記録しています。"
    EXPECT_EQ(outcome.out.rfind(list + ":\x82\xB1\x82\xCC\x83\x8C\x83\x7C\x81\x5B\x83\x67\x82"
                                       "\xCD\x8D\xEC\x90\xAC\x8E\x9E\x82\xC9\x31\x8C\x8F\x82"
                                       "\xCC\x83\x47\x83\x89\x81\x5B\x82\xF0\x8B\x4C\x98\x5E"
                                       "\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81\x42\r\n",
                                0),
              0u)
        << outcome.out;
}

// A wildcard stands for every match of a long name, in name order; without
// a match the argument is named as typed.
TEST_F(VarnelcTest, AWildcardStandsForEveryMatch) {
    data.MakeFolder("wild");
    data.Write("wild\\x.bin", "123456789");
    data.Write("wild\\x.crcs", "its short name X~1.CRC matches *.crc");
    data.Write("wild\\b.crc", "x.bin, 6F91, 9\r\n");
    data.Write("wild\\a.crc", "x.bin, 0000, 9\r\n");
    const Outcome outcome = Run(Quoted(data.PathOf("wild\\*.crc")));
    EXPECT_EQ(outcome.status, 1u);
    EXPECT_EQ(outcome.out.rfind("x.bin" + kCrcMismatch + "0000,File=6F91)\r\nName", 0), 0u)
        << outcome.out;
    EXPECT_NE(outcome.out.find("Total  2 Files"), std::string::npos) << outcome.out;
    const std::string none = data.PathOf("wild\\*.none");
    EXPECT_EQ(Run(Quoted(none)).out, none + kCannotOpen + "\r\n");
}

// The report never lists the file it is being written to, in a folder or
// named as an argument.
TEST_F(VarnelcTest, TheReportDoesNotListItself) {
    scratch.Write("a.bin", "abc");
    const Outcome folder = Run(Quoted(scratch.Path()));
    EXPECT_EQ(folder.status, 0u) << folder.out;
    EXPECT_EQ(folder.out.find("stdout"), std::string::npos) << folder.out;
    EXPECT_NE(folder.out.find("\r\na.bin"), std::string::npos) << folder.out;
    // Two files match: the last run's output, and this run's own.
    const Outcome named = Run(Quoted(scratch.PathOf("stdout*.bin")));
    EXPECT_NE(named.out.find("Total  1 Files"), std::string::npos) << named.out;
}

// Lists arrive with downloads. Named by one, another server's share, the
// same share behind a device path, a pipe and the object namespace are all
// left unopened, though the share's file matches; a list on the share
// verifies its files there, and a share or a pipe the user names is tried
// as named: the pipe, which counts who connects, sees only that one.
TEST_F(VarnelcTest, AListNamesFilesNotServersPipesOrDevices) {
    const char* prefix = std::getenv("WINEPREFIX");
    if (!RunningUnderWine() || prefix == nullptr) {
        GTEST_SKIP() << "a share of its own needs Wine's dosdevices\\unc folder";
    }
    const std::string server = "varnel" + std::to_string(GetCurrentProcessId());
    std::string served = std::string("Z:") + prefix + "/dosdevices/unc/" + server;
    std::replace(served.begin(), served.end(), '/', '\\');
    // A fresh prefix has no folder of shares yet.
    CreateDirectoryA(served.substr(0, served.rfind('\\')).c_str(), nullptr);
    CreateDirectoryA(served.c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryA((served + "\\share").c_str(), nullptr));
    const std::string share = "\\\\" + server + "\\share\\";
    const auto writeOnShare = [&share](const std::string& name, const std::string& bytes) {
        const HANDLE file = CreateFileA((share + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    };
    writeOnShare("a.bin", "abc");
    writeOnShare("sums.crc", "a.bin, 61DA, 3\r\n");
    const std::string pipe = "\\\\.\\pipe\\" + server;
    const HANDLE listener =
        CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE, 1,
                         0, 0, 0, nullptr);
    OVERLAPPED connected = {};
    connected.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_FALSE(ConnectNamedPipe(listener, &connected));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_IO_PENDING));

    const std::string places[] = {share + "a.bin", "\\\\?\\UNC\\" + server + "\\share\\a.bin",
                                  "\\\\.\\C:\\..\\UNC\\" + server + "\\share\\a.bin",
                                  "\\\\?\\GLOBALROOT\\Device\\Mup\\" + server + "\\share\\a.bin",
                                  pipe};
    std::string list = "b.bin, 61DA, 3\r\n";
    for (const std::string& place : places) {
        list += place + ", 61DA, 3\r\n";
    }
    data.Write("b.bin", "abc");
    data.Write("sums.crc", list);
    const Outcome listed = RunIn(data.Path(), "sums.crc");
    EXPECT_EQ(listed.status, 1u);
    for (const std::string& place : places) {
        EXPECT_NE(listed.out.find(place +
                                  ":ネットワーク上やデバイスのパスはリストからは開きません。\r\n"),
                  std::string::npos)
            << place << "\n"
            << listed.out;
    }
    EXPECT_EQ(listed.out.find("61DA"), listed.out.rfind("61DA")) << "only b.bin was read";
    EXPECT_EQ(WaitForSingleObject(connected.hEvent, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    const Outcome named = Run(share + "sums.crc " + share + "a.bin " + pipe);
    EXPECT_EQ(named.out.substr(0, named.out.find("\r\n")), pipe + kCannotOpen);
    EXPECT_NE(named.out.find("a.bin  61DA      3\r\na.bin  61DA      3\r\n"), std::string::npos)
        << named.out;
    EXPECT_EQ(WaitForSingleObject(connected.hEvent, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(connected.hEvent);
    CloseHandle(listener);
    DeleteFileA((share + "a.bin").c_str());
    DeleteFileA((share + "sums.crc").c_str());
    RemoveDirectoryA((served + "\\share").c_str());
    RemoveDirectoryA(served.c_str());
}

}  // namespace
