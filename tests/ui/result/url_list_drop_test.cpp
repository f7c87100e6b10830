#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/cp932_text.h"
#include "framework/file_io.h"
#include "tests/support/drop_handle.h"
#include "tests/support/folder_listing.h"
#include "tests/support/window_capture.h"
#include "tests/support/window_probe.h"
#include "tests/ui/result/result_window_fixture.h"
#include "ui/result/url_list.h"

namespace {

// "URL抽出:エラー", "URLリストが読み込めません。", "URLリストが書き込めません。"
// in code page 932.
const std::string kCaption = "URL\x92\x8A\x8F\x6F:\x83\x47\x83\x89\x81\x5B";
const std::string kCannotRead =
    "URL\x83\x8A\x83\x58\x83\x67\x82\xAA\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1"
    "\x81\x42";
const std::string kCannotWrite =
    "URL\x83\x8A\x83\x58\x83\x67\x82\xAA\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1"
    "\x81\x42";

class UrlListDropTest : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        dialog = Open();
    }

    void Fail(const std::vector<std::string>& failedNames) {
        for (const auto& name : failedNames) {
            report.MarkFailed(name);
        }
    }
    template <class Path>
    void Drop(const std::vector<Path>& paths) {
        SendMessageA(dialog->GetSafeHwnd(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeDropHandle(paths)), 0);
    }
    void Drop(const std::vector<std::string>& paths) { Drop<std::string>(paths); }
    bool AcceptsDrops() const {
        return (GetWindowLongPtrA(dialog->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    }
    bool Exists(const std::string& name) const {
        return GetFileAttributesA(folder.PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void ExpectOneError(const std::string& text) {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].owner, dialog->GetSafeHwnd());
        EXPECT_EQ(shown[0].caption, kCaption);
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_ICONERROR | MB_OK));
        EXPECT_FALSE(shown[0].acceptedDrops);
        EXPECT_TRUE(AcceptsDrops());
    }

    std::unique_ptr<CTestResultDlg> dialog;
};

TEST_F(UrlListDropTest, PlainListWorkedExample) {
    Fail({"b.zip", "c.lzh"});
    const std::string list = folder.Write(
        "urls.txt",
        "files/a.zip\r\nfiles/B.ZIP\r\nfiles/b.zip\r\nfiles/c.lzh.txt\r\nfiles/c.lzh\r\n");
    Drop({list});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("urls_.txt")), "files/B.ZIP\r\nfiles/c.lzh\r\n");
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(AcceptsDrops());
    EXPECT_EQ(report.FailedList().GetCount(), 2u);
}

// Lists saved as UTF-8 or "Unicode" with a mark: filtered in their own
// encoding, the extract written in it, the mark first.
TEST_F(UrlListDropTest, ListsWithAByteOrderMarkKeepTheirEncoding) {
    Fail({"\x95\x5C.zip"});  // 表.zip
    const std::string utf8 =
        "\xEF\xBB\xBF"
        "files/a.zip\r\nfiles/\xE8\xA1\xA8.zip\r\n";
    Drop({folder.Write("utf8.txt", utf8)});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("utf8_.txt")),
              "\xEF\xBB\xBF"
              "files/\xE8\xA1\xA8.zip\r\n");
    const std::string utf16("\xFF\xFEx\0/\0\x68\x88.\0z\0i\0p\0\r\0\n\0y\0\r\0\n\0", 26);
    Drop({folder.Write("utf16.txt", utf16)});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("utf16_.txt")), utf16.substr(0, 20));
    EXPECT_TRUE(shown.empty());
}

// A list in a folder whose name code page 932 cannot write is read and its
// extract written beside it, by their real names.
TEST_F(UrlListDropTest, ListsInFoldersNamedBeyondCodePage932AreFiltered) {
    Fail({"b.zip"});
    const std::wstring name = L"\u5199\u771F\U00020BB7";
    const std::wstring list = WidenText(folder.Path()) + L"\\" + name + L"\\urls.txt";
    CreateDirectoryW((WidenText(folder.Path()) + L"\\" + name).c_str(), nullptr);
    folder.Write(name + L"\\urls.txt", "files/a.zip\r\nfiles/b.zip\r\n");
    Drop(std::vector<std::wstring>{list});
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(ReadWholeFile(CFileName(UrlExtractPath(list))), "files/b.zip\r\n");
}

TEST_F(UrlListDropTest, RecordListWorkedExampleInAnyCaseOfExtension) {
    Fail({"b.zip", "c.lzh"});
    const std::string list = folder.Write(
        "LIST.WRG",
        ";head\r\nTitle=one\r\nUrl=files/a.zip\r\n\r\nUrl= files/b.zip \r\nSize=10\r\n\r\n");
    Drop({list});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("LIST_.WRG")), "Url= files/b.zip \r\nSize=10\r\n\r\n");
}

TEST_F(UrlListDropTest, LongLinesLastLinesAndRecordsWithoutUrls) {
    Fail({"a.zip", "z.zip", "q.rar"});
    const std::string line600 = std::string(594, 'h') + "/A.ZIP";
    Drop({folder.Write("long.txt", line600 + "\r\nx/z.zip")});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("long_.txt")), line600.substr(499) + "\r\nx/z.zip\r\n");

    Drop({folder.Write("r.wrg", "Title=q.rar\r\nSize=1\r\n\r\nTitle=q\r\nurl=x/Q.RAR")});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("r_.wrg")), "Title=q\r\nurl=x/Q.RAR\r\n\r\n");
}

TEST_F(UrlListDropTest, EveryDropStartsAgainFromAllFailedNames) {
    Fail({"a.zip", "a.zip"});
    const std::string list = folder.Write("urls.txt", "1/a.zip\r\n2/a.zip\r\n3/a.zip\r\n");
    Drop({list});
    Drop({list});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("urls_.txt")), "1/a.zip\r\n2/a.zip\r\n");
    Drop({folder.PathOf("urls_.txt")});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("urls__.txt")), "1/a.zip\r\n2/a.zip\r\n");
}

TEST_F(UrlListDropTest, OnlyTheFirstOfSeveralDroppedFilesIsRead) {
    Fail({"a.zip"});
    const std::string first = folder.Write("first.txt", "1/a.zip\r\n");
    const std::string second = folder.Write("second.txt", "2/a.zip\r\n");
    Drop({first, second});
    EXPECT_EQ(ReadFileBytes(folder.PathOf("first_.txt")), "1/a.zip\r\n");
    EXPECT_FALSE(Exists("second_.txt"));
}

TEST_F(UrlListDropTest, NothingHappensWithoutFailedNamesOrForOtherFiles) {
    const std::string list = folder.Write("urls.txt", "1/a.zip\r\n");
    Drop({list});
    EXPECT_FALSE(Exists("urls_.txt"));
    Fail({"a.zip"});
    Drop({folder.Write("urls.lst", "1/a.zip\r\n")});
    Drop({folder.Write("urls", "1/a.zip\r\n")});
    Drop({folder.Path()});
    EXPECT_FALSE(Exists("urls_.lst"));
    EXPECT_FALSE(Exists("urls_"));
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(AcceptsDrops());
}

TEST_F(UrlListDropTest, AnUnreadableListKeepsTheEarlierExtract) {
    Fail({"a.zip"});
    const std::string earlier = folder.Write("gone_.txt", "earlier/a.zip\r\n");
    Drop({folder.PathOf("gone.txt")});
    ExpectOneError(kCannotRead);
    EXPECT_EQ(ReadFileBytes(earlier), "earlier/a.zip\r\n");
    Drop({folder.PathOf("absent.wrg")});
    EXPECT_FALSE(Exists("absent_.wrg"));
}

// The real box, found among the thread's windows while it waits for an answer.
TEST_F(UrlListDropTest, TheRealErrorBoxIsOwnedByTheWindowWhichTakesNoDropsUntilItIsAnswered) {
    SetMessageBoxHandlerForTesting(nullptr);
    Fail({"a.zip"});
    std::string caption;
    std::string text;
    bool acceptedDrops = true;
    bool busy = false;  // taking the screenshot lets the driver's timer in again
    const HWND owner = dialog->GetSafeHwnd();
    const CModalDriver driver([&] {
        const HWND box = FindOwnedWindow(owner);
        if (box == nullptr || busy) {
            return false;
        }
        busy = true;
        caption = WindowText(box);
        text = WindowText(GetDlgItem(box, 0xFFFF));
        acceptedDrops = AcceptsDrops();
        CaptureScreenshotIfAsked(box, "url_list_error");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    Drop({folder.PathOf("gone.txt")});
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(caption, kCaption);
    EXPECT_EQ(text, kCannotRead);
    EXPECT_FALSE(acceptedDrops);
    EXPECT_TRUE(AcceptsDrops());
}

TEST_F(UrlListDropTest, AnExtractThatCannotBeWrittenKeepsTheEarlierOne) {
    Fail({"a.zip"});
    const std::string list = folder.Write("urls.txt", "new/a.zip\r\n");
    const std::string earlier = folder.Write("urls_.txt", "earlier/a.zip\r\n");
    SetFileAttributesA(earlier.c_str(), FILE_ATTRIBUTE_READONLY);
    Drop({list});
    SetFileAttributesA(earlier.c_str(), FILE_ATTRIBUTE_NORMAL);
    ExpectOneError(kCannotWrite);
    EXPECT_EQ(ReadFileBytes(earlier), "earlier/a.zip\r\n");
}

TEST_F(UrlListDropTest, AnExtractPathBeyondThePlatformLimitWritesNothing) {
    Fail({"a.zip"});
    // The list's path just fits; its extract's, one byte longer, does not.
    const std::string name(MAX_PATH - 1 - folder.Path().size() - 1 - 4, 'u');
    const std::string list = folder.Write(name + ".txt", "x/a.zip\r\n");
    ASSERT_EQ(list.size(), static_cast<std::size_t>(MAX_PATH - 1));
    ASSERT_EQ(ReadFileBytes(list), "x/a.zip\r\n");
    Drop({list});
    ExpectOneError(kCannotWrite);
    EXPECT_EQ(FileNamesIn(folder.Path()), (std::vector<std::string>{name + ".txt"}));
}

// An escaped name (UTF-8, as browsers write it) is the name in code page 932.
TEST_F(UrlListDropTest, ListsWithDoubleByteNamesAndAPathOfAnyLength) {
    Fail({"ソフト.zip", "表.zip"});
    const std::string sub = folder.MakeFolder("表示");
    const std::string list = sub + "\\能力.txt";
    const std::string lines = "x/\x83\x5C\x83\x74\x83\x67.ZIP\r\ny/%E8%A1%A8.zip?dl=1\r\n";
    HANDLE file = CreateFileA(list.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    CloseHandle(file);
    Drop({list});
    EXPECT_EQ(ReadFileBytes(sub + "\\能力_.txt"), lines);
}

}  // namespace
