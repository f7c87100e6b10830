#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/cp932_text.h"
#include "res/resource.h"
#include "tests/support/window_probe.h"
#include "tests/ui/result/result_window_fixture.h"

namespace {

// What the clipboard holds as text in the format: CF_UNICODETEXT as wide
// characters, CF_TEXT as code page 932 bytes.
template <class Char>
std::basic_string<Char> ClipboardText(UINT format) {
    std::basic_string<Char> text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(format)) {
            text = static_cast<const Char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

std::string JoinedLines(const std::vector<std::string>& lines, std::size_t first,
                        std::size_t count) {
    std::string text;
    for (std::size_t i = first; i < first + count; ++i) {
        text += lines[i] + "\r\n";
    }
    return text;
}

// The line is selected alone and lies wholly in the list's client area.
void ExpectFoundAt(HWND list, int index) {
    int selected[2] = {-1, -1};
    EXPECT_EQ(SendMessageW(list, LB_GETSELITEMS, 2, reinterpret_cast<LPARAM>(selected)), 1);
    EXPECT_EQ(selected[0], index);
    RECT item;
    RECT client;
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    GetClientRect(list, &client);
    EXPECT_TRUE(item.top >= 0 && item.bottom <= client.bottom) << item.top;
}

HWND List(HWND window) {
    return GetDlgItem(window, IDC_RESULT_LIST);
}

// A check of 5,000 files with two message lines: the two messages, the
// header and the rule come before file0.bin, which is line 4.
class ResultToolsTest : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        report.AddMessage("C:\\データ\\欠落.bin:ファイルが開けません");
        report.AddMessage("@");
        report.AddMessage("sums.crc:読み込みエラー");
        for (int i = 0; i < 5000; ++i) {
            AddRow("file" + std::to_string(i) + ".bin", static_cast<std::uint16_t>(i), i);
        }
    }

    static constexpr int kFirstRow = 4;
};

TEST_F(ResultToolsTest, CtrlCCopiesTheSelectedLinesAndCtrlAEveryLine) {
    ShowModally({[](HWND window) {
                     SendMessageW(List(window), LB_SELITEMRANGEEX, 1, kFirstRow + 1);
                     PostKeyPress(List(window), 'C', {VK_CONTROL});
                     return true;
                 },
                 [](HWND window) {
                     const std::string copied = JoinedLines(ListBoxLines(List(window)), 1, 5);
                     EXPECT_EQ(ClipboardText<wchar_t>(CF_UNICODETEXT), WidenText(copied));
                     EXPECT_EQ(ClipboardText<char>(CF_TEXT), copied);
                     PostKeyPress(List(window), 'A', {VK_CONTROL});
                     PostKeyPress(List(window), 'C', {VK_CONTROL});
                     return true;
                 },
                 [](HWND window) {
                     const std::vector<std::string> lines = ListBoxLines(List(window));
                     EXPECT_EQ(lines.size(), 5006u);
                     EXPECT_EQ(ClipboardText<char>(CF_TEXT), JoinedLines(lines, 0, lines.size()));
                     return true;
                 }});
}

// Ctrl+F asks for the text; F3 and Shift+F3 find it again further down and
// back up, each match selected alone and scrolled into view.
TEST_F(ResultToolsTest, CtrlFFindsAndF3FindsAgainEitherWay) {
    ShowModally({[](HWND window) {
                     PostKeyPress(List(window), 'F', {VK_CONTROL});
                     return true;
                 },
                 [](HWND window) {
                     const HWND find = FindOwnedWindow(window);
                     if (find == nullptr) {
                         return false;
                     }
                     EXPECT_EQ(WindowText(find), "検索");
                     SetDlgItemTextW(find, IDC_FIND_TEXT, L"FILE432");
                     PostMessageW(find, WM_COMMAND, IDOK, 0);
                     return true;
                 },
                 [](HWND window) {
                     if (FindOwnedWindow(window) != nullptr) {
                         return false;
                     }
                     ExpectFoundAt(List(window), kFirstRow + 432);
                     PostKeyPress(List(window), VK_F3);
                     return true;
                 },
                 [](HWND window) {
                     ExpectFoundAt(List(window), kFirstRow + 4320);
                     PostKeyPress(List(window), VK_F3, {VK_SHIFT});
                     return true;
                 },
                 [](HWND window) {
                     ExpectFoundAt(List(window), kFirstRow + 432);
                     return true;
                 }});
}

// The context menu's item narrows the list to the message lines and widens
// it again; the status bar sums up the whole report throughout.
TEST_F(ResultToolsTest, ErrorsOnlyShowsTheMessageLinesUnderTheSummary) {
    const auto toggle = [](std::size_t linesBefore) {
        return [linesBefore](HWND window) {
            EXPECT_EQ(WindowText(GetDlgItem(window, IDC_RESULT_STATUS)),
                      "エラー 2 件  ファイル 5,000 個  12,497,500 バイト  所要時間 1.5 秒");
            EXPECT_EQ(ListBoxLines(List(window)).size(), linesBefore);
            PostMessageW(window, WM_COMMAND, ID_RESULT_ERRORS_ONLY, 0);
            return true;
        };
    };
    ShowModally({toggle(5006), toggle(2), [](HWND window) {
                     EXPECT_EQ(ListBoxLines(List(window)).size(), 5006u);
                     return true;
                 }});
}

TEST_F(ResultToolsTest, SavingWhileNarrowedWritesTheWholeReport) {
    const auto dialog = Open();
    const std::vector<std::string> lines = ListLines(*dialog);
    dialog->savePath = CFileName::FromText(folder.PathOf("report.txt"));
    SendMessageW(dialog->GetSafeHwnd(), WM_COMMAND, ID_RESULT_ERRORS_ONLY, 0);
    SendMessageW(dialog->GetSafeHwnd(), WM_SYSCOMMAND, IDM_SAVE_RESULT, 0);
    EXPECT_EQ(ListLines(*dialog).size(), 2u);
    EXPECT_EQ(ReadFileBytes(folder.PathOf("report.txt")), JoinedLines(lines, 0, lines.size()));
}

}  // namespace
