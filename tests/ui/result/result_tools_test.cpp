#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/wide_path.h"
#include "res/resource.h"
#include "tests/support/window_probe.h"
#include "tests/ui/result/result_window_fixture.h"

namespace {

// What the clipboard holds in the format: UTF-16 text widened to bytes of
// its own, or code page 932 bytes.
std::wstring ClipboardUnicode() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

std::string ClipboardAnsi() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
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

std::vector<int> SelectedLines(HWND list) {
    std::vector<int> selected(16);
    selected.resize(static_cast<std::size_t>(SendMessageW(
        list, LB_GETSELITEMS, selected.size(), reinterpret_cast<LPARAM>(selected.data()))));
    return selected;
}

bool IsScrolledIntoView(HWND list, int index) {
    RECT item;
    RECT client;
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    GetClientRect(list, &client);
    return item.top >= 0 && item.bottom <= client.bottom;
}

// A check of 5,000 files with two message lines: the two messages, the
// header and the rule come before file0.bin, which is line 4.
class ResultToolsTest : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        messages.AddTail("C:\\データ\\欠落.bin:ファイルが開けません");
        messages.AddTail("@");
        messages.AddTail("sums.crc:読み込みエラー");
        for (int i = 0; i < 5000; ++i) {
            AddRow("file" + std::to_string(i) + ".bin", static_cast<std::uint16_t>(i), i);
        }
    }

    static constexpr int kFirstRow = 4;
    int stage = 0;
};

TEST_F(ResultToolsTest, CtrlCCopiesTheSelectedLinesAndCtrlAEveryLine) {
    ShowModally([this](HWND window) {
        const HWND list = GetDlgItem(window, IDC_RESULT_LIST);
        const std::vector<std::string> lines = ListBoxLines(list);
        switch (stage++) {
            case 0:
                SendMessageW(list, LB_SELITEMRANGEEX, 1, kFirstRow + 1);
                PostKeyPress(list, 'C', {VK_CONTROL});
                return false;
            case 1:
                EXPECT_EQ(ClipboardUnicode(), WidenText(JoinedLines(lines, 1, kFirstRow + 1)));
                EXPECT_EQ(ClipboardAnsi(), JoinedLines(lines, 1, kFirstRow + 1));
                PostKeyPress(list, 'A', {VK_CONTROL});
                PostKeyPress(list, 'C', {VK_CONTROL});
                return false;
            default:
                EXPECT_EQ(lines.size(), 5006u);
                EXPECT_EQ(ClipboardAnsi(), JoinedLines(lines, 0, lines.size()));
                return true;
        }
    });
}

// Ctrl+F asks for the text; F3 and Shift+F3 find it again further down and
// back up, each match selected alone and scrolled into view.
TEST_F(ResultToolsTest, CtrlFFindsAndF3FindsAgainEitherWay) {
    ShowModally([this](HWND window) {
        const HWND list = GetDlgItem(window, IDC_RESULT_LIST);
        const HWND find = FindOwnedWindow(window);
        switch (stage) {
            case 0:
                PostKeyPress(list, 'F', {VK_CONTROL});
                break;
            case 1:
                if (find == nullptr) {
                    return false;
                }
                EXPECT_EQ(WindowText(find), "検索");
                SetDlgItemTextW(find, IDC_FIND_TEXT, L"FILE432");
                PostMessageW(find, WM_COMMAND, IDOK, 0);
                break;
            case 2:
                if (find != nullptr) {
                    return false;
                }
                EXPECT_EQ(SelectedLines(list), std::vector<int>{kFirstRow + 432});
                EXPECT_TRUE(IsScrolledIntoView(list, kFirstRow + 432));
                PostKeyPress(list, VK_F3);
                break;
            case 3:
                EXPECT_EQ(SelectedLines(list), std::vector<int>{kFirstRow + 4320});
                EXPECT_TRUE(IsScrolledIntoView(list, kFirstRow + 4320));
                PostKeyPress(list, VK_F3, {VK_SHIFT});
                break;
            default:
                EXPECT_EQ(SelectedLines(list), std::vector<int>{kFirstRow + 432});
                EXPECT_TRUE(IsScrolledIntoView(list, kFirstRow + 432));
                return true;
        }
        ++stage;
        return false;
    });
}

// The context menu's item narrows the list to the message lines and widens
// it again; the status bar sums up the whole report throughout.
TEST_F(ResultToolsTest, ErrorsOnlyShowsTheMessageLinesUnderTheSummary) {
    ShowModally([this](HWND window) {
        const HWND list = GetDlgItem(window, IDC_RESULT_LIST);
        EXPECT_EQ(WindowText(GetDlgItem(window, IDC_RESULT_STATUS)),
                  "エラー 2 件  ファイル 5,000 個  12,497,500 バイト  所要時間 1.5 秒");
        switch (stage++) {
            case 0:
                EXPECT_EQ(ListBoxLines(list).size(), 5006u);
                PostMessageW(window, WM_COMMAND, ID_RESULT_ERRORS_ONLY, 0);
                return false;
            case 1:
                EXPECT_EQ(ListBoxLines(list),
                          (std::vector<std::string>{"C:\\データ\\欠落.bin:ファイルが開けません",
                                                    "sums.crc:読み込みエラー"}));
                PostMessageW(window, WM_COMMAND, ID_RESULT_ERRORS_ONLY, 0);
                return false;
            default:
                EXPECT_EQ(ListBoxLines(list).size(), 5006u);
                return true;
        }
    });
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
