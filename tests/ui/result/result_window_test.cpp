#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "engine/job_messages.h"
#include "framework/cp932_text.h"
#include "framework/dpi.h"
#include "res/resource.h"
#include "tests/support/window_capture.h"
#include "tests/support/window_probe.h"
#include "tests/ui/result/result_window_fixture.h"
#include "ui/result/job_result.h"
#include "ui/result/report_layout.h"

namespace {

const int kScreenWidth = GetSystemMetrics(SM_CXSCREEN);
const int kScreenHeight = GetSystemMetrics(SM_CYSCREEN);

// Measured apart from the window: the pixels line takes in control's font.
int PixelWidth(HWND control, const std::string& line) {
    const std::wstring wide = WidenText(line);
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size.cx;
}

RECT RectIn(HWND window, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRect(HWND window, int x, int y, int width, int height) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

TEST_F(ResultWindowTest, ShowsTheReportAsLaidOutAndEmptiesTheLists) {
    report.AddMessage("C:\\data\\missing.bin:ファイルが開けません");
    report.AddMessage("@");
    AddRow("a.bin", 0x1A2B, 5);
    AddRow("表示名.dat", 0x00FF, 1234567);
    report.MarkFailed("kept.zip");

    JobReportLines copy = report.Lines();
    std::vector<std::string> expected;
    BuildReportLines(copy.messageList, copy.nameList, copy.crcList, copy.sizeList,
                     [&expected](const std::string& line) { expected.push_back(line); });

    const auto dialog = Open();
    EXPECT_EQ(ListLines(*dialog), expected);
    EXPECT_EQ(expected.size(), 7u);
    EXPECT_EQ(report.MessageCount(), 0u);
    EXPECT_EQ(report.RowCount(), 0u);
    EXPECT_EQ(report.FailedList().GetCount(), 1u);
}

TEST_F(ResultWindowTest, IsBuiltFromItsJapaneseTemplate) {
    const auto dialog = Open();
    const HWND window = dialog->GetSafeHwnd();
    // "比較結果" in code page 932.
    EXPECT_EQ(WindowText(window), "\x94\xE4\x8A\x72\x8C\x8B\x89\xCA");
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_POPUP),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_POPUP);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);

    const HWND list = dialog->GetItem(IDC_RESULT_LIST);
    ASSERT_EQ(dialog->m_resultList.GetSafeHwnd(), list);
    const LONG_PTR listStyle = GetWindowLongPtrA(list, GWL_STYLE);
    // The border and scroll-bar bits are the list box's own business once it exists.
    const LONG_PTR wanted = WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
    EXPECT_EQ(listStyle & wanted, wanted);
    EXPECT_EQ(listStyle & (LBS_SORT | LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED), 0);
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(ResultWindowTest, SystemMenuEndsWithASeparatorAndTheSaveItem) {
    const auto dialog = Open();
    HMENU menu = GetSystemMenu(dialog->GetSafeHwnd(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_SAVE_RESULT));
    char text[64] = {};
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    // "結果を保存(&A)..." in code page 932.
    EXPECT_STREQ(text, "\x8C\x8B\x89\xCA\x82\xF0\x95\xDB\x91\xB6(&A)...");
}

// A first start opens the window as wide as the report's widest line and
// as high as its lines, the status bar below them, nothing cut; its bottom
// right corner at the centre, as the window always opened.
TEST_F(ResultWindowTest, FirstStartShowsTheWholeWidthOfAShortReport) {
    report.AddMessage("C:\\data\\old\\missing.bin:ファイルが開けません");
    AddRow("photos\\2024\\北海道旅行\\IMG_0001.jpg", 0x1A2B, 2345678);
    AddRow("photos\\2024\\北海道旅行\\IMG_0002.jpg", 0x00FF, 3456789);
    AddRow("readme.txt", 0xBEEF, 512);
    ShowModally({[](HWND window) {
        const HWND list = GetDlgItem(window, IDC_RESULT_LIST);
        const HWND status = GetDlgItem(window, IDC_RESULT_STATUS);
        RECT client;
        GetClientRect(list, &client);
        const std::vector<std::string> lines = ListBoxLines(list);
        EXPECT_EQ(lines.size(), 8u);
        for (const std::string& line : lines) {
            EXPECT_LE(PixelWidth(list, line), client.right) << line;
        }
        EXPECT_GE(client.bottom, 8 * SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const RECT statusRect = RectIn(window, status);
        EXPECT_LE(RectIn(window, list).bottom, statusRect.top);
        EXPECT_LE(PixelWidth(status, WindowText(status)), statusRect.right - statusRect.left);
        RECT frame;
        GetWindowRect(window, &frame);
        EXPECT_EQ(frame.right, kScreenWidth / 2);
        EXPECT_EQ(frame.bottom, kScreenHeight / 2);
        CaptureScreenshotIfAsked(window, "result_window");
        return true;
    }});
}

// A window saved on a larger monitor opens wholly on this screen's work
// area, as large as that, wherever it was stored and whatever stood there.
TEST_F(ResultWindowTest, AStoredSizeLargerThanTheScreenOpensWhollyOnIt) {
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int cases[][4] = {
        {3000, 2000, -2360, -500}, {100000, 100000, 0, 0}, {3000, 400, 200, 100}};
    for (const auto& c : cases) {
        WriteProfileInt("Result", "Width", c[0]);
        WriteProfileInt("Result", "Height", c[1]);
        WriteProfileInt("Result", "WindowX", c[2]);
        WriteProfileInt("Result", "WindowY", c[3]);
        AddRow("a.bin", 0x1A2B, 5);
        ShowModally({[&work, &c](HWND window) {
            RECT frame;
            GetWindowRect(window, &frame);
            EXPECT_EQ(frame.left, work.left) << c[0];
            EXPECT_EQ(frame.right, work.right) << c[0];
            EXPECT_GE(frame.top, work.top) << c[0];
            EXPECT_LE(frame.bottom, work.bottom) << c[0];
            EXPECT_EQ(frame.bottom - frame.top, std::min<int>(c[1], work.bottom - work.top));
            return true;
        }});
    }
}

// The end of a row wider than the window, its CRC and size, scrolls into
// view.
TEST_F(ResultWindowTest, ALongRowScrollsIntoView) {
    const std::string longName = "archive\\" + std::string(400, 'x') + ".bin";
    AddRow(longName, 0x1A2B, 5);
    ShowModally({[&longName](HWND window) {
        const HWND list = GetDlgItem(window, IDC_RESULT_LIST);
        const std::string row = ListBoxLines(list)[2];
        EXPECT_EQ(row.substr(0, longName.size()), longName);
        SendMessageW(list, WM_HSCROLL, SB_RIGHT, 0);
        RECT client;
        GetClientRect(list, &client);
        EXPECT_GT(GetScrollPos(list, SB_HORZ), 0);
        EXPECT_GE(GetScrollPos(list, SB_HORZ) + client.right, PixelWidth(list, row));
        return true;
    }});
}

TEST_F(ResultWindowTest, StoredBoundsOffScreenFallBackToTheCentreKeepingTheSize) {
    struct Case {
        int x;
        int y;
    };
    // Corner on the right edge, corner on the bottom edge, left of and above the screen.
    const Case cases[] = {{kScreenWidth - 300, 10}, {10, kScreenHeight - 200}, {-1, 10}, {10, -5}};
    for (const Case& c : cases) {
        WriteProfileInt("Result", "Width", 300);
        WriteProfileInt("Result", "Height", 200);
        WriteProfileInt("Result", "WindowX", c.x);
        WriteProfileInt("Result", "WindowY", c.y);
        const auto dialog = Open();
        ExpectRect(dialog->GetSafeHwnd(), kScreenWidth / 2 - 300, kScreenHeight / 2 - 200, 300,
                   200);
    }
}

TEST_F(ResultWindowTest, ClosingStoresTheBoundsAndReopeningRestoresThemExactly) {
    {
        const auto dialog = Open();
        SetWindowPos(dialog->GetSafeHwnd(), nullptr, 37, 41, 333, 222, SWP_NOZORDER);
        DestroyWindow(dialog->GetSafeHwnd());
    }
    const std::string profile = ReadFileBytes(folder.PathOf("varnel.INI"));
    EXPECT_NE(profile.find("[Result]\r\nWindowX=37\r\nWindowY=41\r\nWidth=333\r\nHeight=222\r\n"),
              std::string::npos)
        << profile;
    const auto reopened = Open();
    ExpectRect(reopened->GetSafeHwnd(), 37, 41, 333, 222);
    DestroyWindow(reopened->GetSafeHwnd());
    EXPECT_EQ(ReadProfileInt("Result", "WindowX", 0), 37);
    EXPECT_EQ(ReadProfileInt("Result", "Height", 0), 222);
}

TEST_F(ResultWindowTest, AMinimisedWindowStoresItsNormalBounds) {
    const auto dialog = Open();
    const HWND window = dialog->GetSafeHwnd();
    SetWindowPos(window, nullptr, 50, 60, 250, 150, SWP_NOZORDER);
    ShowWindow(window, SW_SHOWMINNOACTIVE);
    PumpMessages();
    ASSERT_TRUE(IsIconic(window));
    DestroyWindow(window);
    EXPECT_EQ(ReadProfileInt("Result", "WindowX", 0), 50);
    EXPECT_EQ(ReadProfileInt("Result", "WindowY", 0), 60);
    EXPECT_EQ(ReadProfileInt("Result", "Width", 0), 250);
    EXPECT_EQ(ReadProfileInt("Result", "Height", 0), 150);
}

TEST_F(ResultWindowTest, ListAndStatusBarFillTheClientAreaAndFollowResizing) {
    const auto dialog = Open();
    const HWND window = dialog->GetSafeHwnd();
    for (const SIZE size : {SIZE{100, 100}, SIZE{420, 310}, SIZE{180, 500}}) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(window, &client);
        const RECT list = RectIn(window, dialog->m_resultList.GetSafeHwnd());
        const RECT status = RectIn(window, dialog->m_statusBar.GetSafeHwnd());
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.top, 0);
        EXPECT_EQ(list.right, client.right) << size.cx;
        EXPECT_EQ(list.bottom, status.top) << size.cy;
        EXPECT_EQ(status.bottom, client.bottom) << size.cy;
        EXPECT_EQ(status.right, client.right) << size.cx;
    }
}

// Moved to a monitor of twice the DPI, the window takes the size the system
// suggests, and its lines the font of the new DPI, still wholly in reach.
TEST_F(ResultWindowTest, ScalesItsFontWhenItsDpiChanges) {
    AddRow("photos\\2024\\北海道旅行\\IMG_0001.jpg", 0x1A2B, 2345678);
    const auto dialog = Open();
    const HWND window = dialog->GetSafeHwnd();
    const HWND list = dialog->m_resultList.GetSafeHwnd();
    const LRESULT lineHeight = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    RECT suggested = {40, 30, 940, 630};
    const UINT dpi = 2 * WindowDpi(window);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ExpectRect(window, 40, 30, 900, 600);
    EXPECT_GE(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 2 * lineHeight - 1);
    const std::string row = ListLines(*dialog)[2];
    EXPECT_GE(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), PixelWidth(list, row));
    EXPECT_LE(RectIn(window, list).bottom, RectIn(window, dialog->m_statusBar.GetSafeHwnd()).top);
}

TEST_F(ResultWindowTest, AHundredThousandRowsFillTheListQuickly) {
    for (int i = 0; i < 100000; ++i) {
        AddRow("file" + std::to_string(i) + ".bin", static_cast<std::uint16_t>(i), i);
    }
    const auto start = std::chrono::steady_clock::now();
    const auto dialog = Open();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(dialog->m_resultList.GetCount(), 100004);
    EXPECT_EQ(dialog->m_resultList.GetText(100003), "Total  100000 Files  4,999,950,000 Bytes");
    RecordProperty("seconds", std::to_string(seconds));
    EXPECT_LT(seconds, 20.0);
}

// The job's creators run the window modally over the job state; a timer
// finds it, reads it and closes it the way the close box does.
TEST_F(ResultWindowTest, ShowJobResultRunsTheWindowOverTheJobStateUntilClosed) {
    std::vector<std::string> seen;
    RECT shown = {};
    {
        const CModalDriver driver([&seen, &shown] {
            // "比較結果" in code page 932.
            const HWND window = FindThreadWindow("\x94\xE4\x8A\x72\x8C\x8B\x89\xCA");
            if (window == nullptr) {
                return false;
            }
            seen = ListBoxLines(GetDlgItem(window, IDC_RESULT_LIST));
            GetWindowRect(window, &shown);
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        });
        AddNoErrorsMessageIfNone(report);
        ShowJobResult(nullptr, report, JobDuration(1500));
        EXPECT_TRUE(driver.Done());
    }
    // "エラーは見つかりませんでした。" in code page 932.
    EXPECT_EQ(seen, (std::vector<std::string>{"\x83\x47\x83\x89\x81\x5B\x82\xCD\x8C\xA9\x82\xC2"
                                              "\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
                                              "\x82\xB5\x82\xBD\x81\x42"}));
    EXPECT_EQ(report.MessageCount(), 0u);
    EXPECT_EQ(ReadProfileInt("Result", "Width", 0), shown.right - shown.left);
    EXPECT_EQ(ReadProfileInt("Result", "Height", 0), shown.bottom - shown.top);
}

}  // namespace
