#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/application_name.h"
#include "framework/cp932_text.h"
#include "framework/file_io.h"
#include "res/resource.h"
#include "tests/support/drop_handle.h"
#include "tests/support/folder_listing.h"
#include "tests/support/window_probe.h"
#include "tests/ui/result/result_window_fixture.h"

namespace {

class ResultSaveTest : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        report.AddMessage("list.crc:サイズが違います");
        AddRow("a.bin", 0x1A2B, 5);
        AddRow("sample.dat", 0x00FF, 1234567);
        dialog = Open();
    }

    void Save(const std::optional<CFileName>& path, WPARAM command = IDM_SAVE_RESULT) {
        dialog->savePath = path;
        SendMessageA(dialog->GetSafeHwnd(), WM_SYSCOMMAND, command, 0);
    }
    void Save(const std::string& path, WPARAM command = IDM_SAVE_RESULT) {
        Save(CFileName::FromText(path), command);
    }

    std::unique_ptr<CTestResultDlg> dialog;
};

// A folder below the test folder whose path is length bytes long, in parts of
// at most 100 bytes named after the length, so that folders of different
// lengths share no part. Made through the verbatim form of its path, since
// Windows makes no folder deeper than 248 characters otherwise.
std::string DeepFolder(const TestFolder& base, std::size_t length) {
    std::string path = base.Path();
    while (path.size() < length) {
        const std::size_t room = length - path.size() - 1;
        // The last part is never left empty.
        const std::size_t part = room > 100 && room <= 102 ? 50 : std::min<std::size_t>(room, 100);
        path += '\\' + std::string(part, static_cast<char>('a' + length % 26));
        CreateDirectoryW((L"\\\\?\\" + WidenText(path)).c_str(), nullptr);
    }
    return path;
}

// What the report file must hold: every line, each ended by CR LF, nothing else.
std::string ExpectedBytes(const CResultDlg& dialog) {
    std::string bytes;
    for (const std::string& line : ListLines(dialog)) {
        bytes += line + "\r\n";
    }
    return bytes;
}

TEST_F(ResultSaveTest, WritesEveryLineWithCrLfInCodePage932) {
    const std::string path = folder.PathOf("結果.txt");
    Save(path);
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes, ExpectedBytes(*dialog));
    // "list.crc:サイズが違います" in code page 932, the first line.
    EXPECT_EQ(bytes.substr(0, 27),
              "list.crc:\x83\x54\x83\x43\x83\x59\x82\xAA\x88\xE1\x82\xA2\x82\xDC\x82\xB7\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 33), "Total  2 Files  1,234,572 Bytes\r\n");
    EXPECT_EQ(dialog->saveQuestions, 1);
    EXPECT_TRUE(shown.empty());
}

// A folder whose name code page 932 cannot write takes the report, which
// stays code page 932 text.
TEST_F(ResultSaveTest, SavesIntoAFolderNamedBeyondCodePage932) {
    const std::wstring target = WidenText(folder.Path()) + L"\\\u5199\u771F\U00020BB7";
    CreateDirectoryW(target.c_str(), nullptr);
    Save(CFileName(target + L"\\r.txt"));
    EXPECT_TRUE(shown.empty());
    const std::string saved = ReadWholeFile(CFileName(target + L"\\r.txt")).value_or("");
    EXPECT_EQ(saved, ExpectedBytes(*dialog));
}

TEST_F(ResultSaveTest, SavingOverALongerFileLeavesNoTraceOfIt) {
    const std::string path = folder.Write("report.txt", std::string(100000, 'x'));
    Save(path);
    EXPECT_EQ(ReadFileBytes(path), ExpectedBytes(*dialog));
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 1u);
}

// Wherever the target itself can be written, so can the report: a target
// of up to 259 characters (Windows' limit for these paths; Wine's is one
// more) under a name as short as one character, new or replacing a file
// whose attributes it keeps. Nothing but the target is left in its folder.
TEST_F(ResultSaveTest, SavesWhereverTheTargetCanBeWrittenAndKeepsItsAttributes) {
    const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    const struct {
        std::size_t length;  // of the whole path, in bytes
        std::string name;
        DWORD earlier;  // attributes of the file replaced, or 0 for none
    } targets[] = {
        {250, "r.txt", hidden},
        {255, "r.txt", 0},
        {258, "rep.txt", FILE_ATTRIBUTE_ARCHIVE},
        {259, "r.txt", 0},
        {259, "r", hidden},
        // "表示ソ.txt", trail bytes 0x5C: 262 bytes, 259 characters.
        {262, "\x95\x5C\x8E\xA6\x83\x5C.txt", hidden},
    };
    for (const auto& target : targets) {
        const std::string folderPath = DeepFolder(folder, target.length - 1 - target.name.size());
        const std::string path = folderPath + "\\" + target.name;
        ASSERT_EQ(path.size(), target.length);
        if (target.earlier != 0) {
            folder.Write(path.substr(folder.Path().size() + 1), std::string(1000, 'x'));
            SetFileAttributesA(path.c_str(), target.earlier);
        }
        shown.clear();
        Save(path);
        EXPECT_TRUE(shown.empty()) << path.size();
        EXPECT_EQ(ReadFileBytes(path), ExpectedBytes(*dialog)) << path.size();
        if (target.earlier != 0) {
            EXPECT_EQ(GetFileAttributesA(path.c_str()), target.earlier) << path.size();
        }
        EXPECT_EQ(FileNamesIn(folderPath), std::vector<std::string>{target.name}) << path.size();
    }
}

// With every short name beside it taken, no earlier file is written over:
// the save fails and keeps it. Only a new file is written in place.
TEST_F(ResultSaveTest, WithNoTemporaryNameFreeOnlyANewTargetIsWrittenInPlace) {
    const std::string taken = folder.Write("~", "someone else's");
    const std::string path = folder.Write("r", "earlier");
    Save(path);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(ReadFileBytes(path), "earlier");
    Save(folder.PathOf("s"));
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(ReadFileBytes(folder.PathOf("s")), ExpectedBytes(*dialog));
    EXPECT_EQ(ReadFileBytes(taken), "someone else's");
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 3u);
}

// Run by safe_saves_test.sh, which makes what only Unix can make here and
// checks afterwards that no other file below its folder changed: a folder
// that takes no new file (a full tmpfs, when it may mount one) and links in
// the places of the report, the URL extract and the settings.
TEST_F(ResultSaveTest, DISABLED_NothingButTheChosenFileChanges) {
    const char* fixture = std::getenv("VARNEL_SAVE_FIXTURE");
    ASSERT_NE(fixture, nullptr);
    const auto at = [&](const std::string& name) { return fixture + ("\\" + name); };
    for (int i = 0; i < 500; ++i) {
        AddRow("folder\\file" + std::to_string(i) + ".bin", 0x1234, 1000000);
    }
    dialog = Open();
    std::size_t failures = 1;
    if (GetFileAttributesA(at("full\\old.txt").c_str()) != INVALID_FILE_ATTRIBUTES) {
        Save(at("full\\old.txt"));
        ASSERT_GT(ExpectedBytes(*dialog).size(), 17000u);
        EXPECT_EQ(ReadFileBytes(at("full\\old.txt")), "old\r\n");
        ++failures;
    }
    const std::string held = folder.Write("held.txt", "held\r\n");
    HANDLE other = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
    Save(held);
    CloseHandle(other);
    EXPECT_EQ(ReadFileBytes(held), "held\r\n");
    EXPECT_EQ(FileNamesIn(folder.Path()), std::vector<std::string>{"held.txt"});
    EXPECT_EQ(shown.size(), failures);

    Save(at("here\\report.txt"));
    report.MarkFailed("a.bin");
    SendMessageA(dialog->GetSafeHwnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDropHandle({at("here\\urls.txt")})), 0);
    SetProfilePathForTesting(at("here\\varnel.INI"));
    const std::string reportBytes = ExpectedBytes(*dialog);
    DestroyWindow(dialog->GetSafeHwnd());  // stores the placement
    EXPECT_EQ(shown.size(), failures);
    EXPECT_EQ(ReadFileBytes(at("here\\report.txt")), reportBytes);
    EXPECT_EQ(ReadFileBytes(at("here\\urls_.txt")), "http://h/a.bin\r\n");
    EXPECT_EQ(ReadProfileInt("Window", "OnTop", 1), 0);
    EXPECT_GT(ReadProfileInt("Result", "Width", 0), 0);

    // A settings file that cannot be written is said once, however often it fails.
    SetProfilePathForTesting(folder.MakeFolder("settings"));
    DestroyWindow(Open()->GetSafeHwnd());
    DestroyWindow(Open()->GetSafeHwnd());
    ASSERT_EQ(shown.size(), failures + 1);
    // "設定ファイルに書き込めません。" in code page 932.
    EXPECT_NE(shown.back().text.find("\x90\xdd\x92\xe8\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xc9\x8f"
                                     "\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1"),
              std::string::npos);
}

TEST_F(ResultSaveTest, OnlyCommand32SavesLowBitsIgnored) {
    Save(folder.PathOf("low.txt"), IDM_SAVE_RESULT | 0x000F);
    EXPECT_EQ(ReadFileBytes(folder.PathOf("low.txt")), ExpectedBytes(*dialog));
    Save(folder.PathOf("other.txt"), IDM_SAVE_RESULT + 0x10);
    EXPECT_EQ(dialog->saveQuestions, 1);
}

TEST_F(ResultSaveTest, CancellingWritesNothingAndSaysNothing) {
    Save(std::nullopt);
    EXPECT_EQ(dialog->saveQuestions, 1);
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 0u);
    EXPECT_TRUE(shown.empty());
}

TEST_F(ResultSaveTest, AFileThatCannotBeCreatedIsReported) {
    const std::string path = folder.PathOf("no such folder\\report.txt");
    Save(path);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].owner, dialog->GetSafeHwnd());
    EXPECT_EQ(shown[0].caption, ApplicationName().Text());
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_EQ(shown[0].text.find(path), 0u);
    // "保存できませんでした" in code page 932.
    EXPECT_NE(shown[0].text.find("\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1"),
              std::string::npos);
}

TEST_F(ResultSaveTest, AFailedSaveKeepsTheEarlierFileWhole) {
    const std::string earlier = "earlier report\r\n";
    const std::string path = folder.Write("report.txt", earlier);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    Save(path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(ReadFileBytes(path), earlier);
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 1u);  // no temporary file left behind
}

TEST_F(ResultSaveTest, AFolderInTheWayIsReportedAndNoTemporaryFileStays) {
    const std::string path = folder.MakeFolder("report.txt");
    Save(path);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 0u);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(ResultSaveTest, APathBeyondThePlatformLimitIsReportedAndNothingWritten) {
    const std::string path = folder.PathOf(std::string(MAX_PATH, 'n') + ".txt");
    Save(path);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 0u);
}

// The real box, found among the thread's windows while it waits for an answer.
TEST_F(ResultSaveTest, TheErrorBoxIsOwnedByTheWindowAndCaptionedWithTheProgramName) {
    SetMessageBoxHandlerForTesting(nullptr);
    std::string caption;
    std::string text;
    const HWND owner = dialog->GetSafeHwnd();
    const CModalDriver driver([&] {
        const HWND box = FindOwnedWindow(owner);
        if (box == nullptr) {
            return false;
        }
        caption = WindowText(box);
        text = WindowText(GetDlgItem(box, 0xFFFF));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    Save(folder.PathOf("missing\\r.txt"));
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(caption, ApplicationName().Text());
    EXPECT_NE(text.find("missing\\r.txt"), std::string::npos) << text;
}

}  // namespace
