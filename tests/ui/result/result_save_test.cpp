#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/application_name.h"
#include "res/resource.h"
#include "tests/support/folder_listing.h"
#include "tests/support/window_probe.h"
#include "tests/ui/result/result_window_fixture.h"

namespace {

class ResultSaveTest : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        messages.AddTail("list.crc:サイズが違います");
        AddRow("a.bin", 0x1A2B, 5);
        AddRow("sample.dat", 0x00FF, 1234567);
        dialog = Open();
    }

    void Save(const std::optional<std::string>& path, WPARAM command = IDM_SAVE_RESULT) {
        dialog->savePath = path;
        SendMessageA(dialog->GetSafeHwnd(), WM_SYSCOMMAND, command, 0);
    }

    std::unique_ptr<CTestResultDlg> dialog;
};

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

TEST_F(ResultSaveTest, SavingOverALongerFileLeavesNoTraceOfIt) {
    const std::string path = folder.Write("report.txt", std::string(100000, 'x'));
    Save(path);
    EXPECT_EQ(ReadFileBytes(path), ExpectedBytes(*dialog));
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 1u);
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
    EXPECT_EQ(shown[0].caption, ApplicationName());
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
    EXPECT_EQ(caption, ApplicationName());
    EXPECT_NE(text.find("missing\\r.txt"), std::string::npos) << text;
}

}  // namespace
