// The drop window as a window: resources, placement and settings, menus, the
// About box.

#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/dpi.h"
#include "framework/file_system/file_io.h"
#include "framework/file_system/file_save.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "res/resource.h"
#include "tests/support/test_files.h"
#include "tests/support/window_capture.h"
#include "tests/support/window_probe.h"
#include "tests/ui/drop/drop_test_support.h"
#include "ui/drop/drop_dialog.h"

namespace {

class DropWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SetProfilePathForTesting(Profile()); }
    void TearDown() override { SetProfilePathForTesting(""); }

    std::string Profile() const { return folder.PathOf("VARNEL.INI"); }

    std::unique_ptr<CDropDlg> Open() {
        auto window = std::make_unique<CDropDlg>(report);
        EXPECT_TRUE(window->Create());
        return window;
    }

    static POINT Position(HWND window) {
        RECT frame;
        GetWindowRect(window, &frame);
        return POINT{frame.left, frame.top};
    }

    // The default place: a client-sized rectangle there ends at the
    // screen's centre.
    static POINT DefaultPosition(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        return POINT{(GetSystemMetrics(SM_CXSCREEN) >> 1) - client.right,
                     (GetSystemMetrics(SM_CYSCREEN) >> 1) - client.bottom};
    }

    static SIZE ClientSize(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        return SIZE{client.right, client.bottom};
    }

    void StorePosition(int x, int y) {
        WriteProfileInt("Window", "WindowX", x);
        WriteProfileInt("Window", "WindowY", y);
    }

    TestFolder folder;
    CJobReport report;
};

TEST_F(DropWindowTest, IsAToolWindowWithItsIconThatTakesDrops) {
    auto window = Open();
    HWND hwnd = window->GetSafeHwnd();
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE), WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    EXPECT_EQ(style & (WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    const LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0);
    EXPECT_TRUE(AcceptsDrops(hwnd));
    EXPECT_EQ(WindowText(hwnd), "Varnel");

    HWND icon = GetDlgItem(hwnd, IDC_DROP_ICON);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(icon, GWL_STYLE) & (SS_TYPEMASK | SS_SUNKEN), SS_ICON | SS_SUNKEN);
    EXPECT_EQ(IconId(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0))), IDI_IDLE);

    HICON app = ResourceIcon(IDI_APP);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0)), app);
    ICONINFO small = {};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0)),
                            &small));
    BITMAP mask = {};
    GetObjectA(small.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(small.hbmMask);
    DeleteObject(small.hbmColor);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0)), app);
    CaptureScreenshotIfAsked(hwnd, "drop_idle");
}

// Moved to a monitor of 1.5 times the DPI, the window takes the size the
// system suggests and shows its icon drawn for that DPI, pixel for pixel.
TEST_F(DropWindowTest, TakesTheIconOfTheNewDpiWhenItsDpiChanges) {
    auto window = Open();
    HWND hwnd = window->GetSafeHwnd();
    const UINT dpi = WindowDpi(hwnd) * 3 / 2;
    RECT suggested = {100, 100, 300, 320};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT frame;
    GetWindowRect(hwnd, &frame);
    EXPECT_EQ(frame.right - frame.left, 200);
    HWND icon = GetDlgItem(hwnd, IDC_DROP_ICON);
    ICONINFO shown = {};
    ASSERT_TRUE(
        GetIconInfo(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)), &shown));
    BITMAP mask = {};
    GetObjectA(shown.hbmMask, sizeof mask, &mask);
    DeleteObject(shown.hbmMask);
    DeleteObject(shown.hbmColor);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXICON) * 3 / 2);
    RECT inside;
    GetClientRect(icon, &inside);
    EXPECT_GE(inside.right, mask.bmWidth);
}

TEST_F(DropWindowTest, FirstStartIsAtTheDefaultPlaceAboveAllOtherWindows) {
    auto window = Open();
    HWND hwnd = window->GetSafeHwnd();
    const POINT expected = DefaultPosition(hwnd);
    const POINT actual = Position(hwnd);
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_TRUE(StaysOnTop(hwnd));
}

TEST_F(DropWindowTest, PlacementAndOnTopAreStoredWhenTheWindowGoesAndReadAtTheNextStart) {
    {
        auto window = Open();
        HWND hwnd = window->GetSafeHwnd();
        SetWindowPos(hwnd, nullptr, 40, 52, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SendMessageA(hwnd, WM_COMMAND, ID_DROP_ON_TOP, 0);
        EXPECT_FALSE(StaysOnTop(hwnd));
        // Toggling is not saved at once; only the window's end writes it.
        EXPECT_EQ(ReadProfileInt("Window", "OnTop", -1), -1);
        SendMessageA(hwnd, WM_COMMAND, ID_DROP_CLOSE, 0);
        EXPECT_TRUE(PumpMessagesUntil([hwnd] { return !IsWindow(hwnd); }));
    }
    EXPECT_EQ(ReadProfileInt("Window", "WindowX", -1), 40);
    EXPECT_EQ(ReadProfileInt("Window", "WindowY", -1), 52);
    EXPECT_EQ(ReadProfileInt("Window", "OnTop", -1), 0);

    auto window = Open();
    HWND hwnd = window->GetSafeHwnd();
    EXPECT_EQ(Position(hwnd).x, 40);
    EXPECT_EQ(Position(hwnd).y, 52);
    // Stored as ordinary: at the top of the ordinary windows, not above all.
    EXPECT_FALSE(StaysOnTop(hwnd));
    SendMessageA(hwnd, WM_COMMAND, ID_DROP_ON_TOP, 0);
    EXPECT_TRUE(StaysOnTop(hwnd));
    window.reset();
    EXPECT_EQ(ReadProfileInt("Window", "OnTop", -1), 1);
}

TEST_F(DropWindowTest, APositionPartlyOffThePrimaryScreenFallsBackToTheDefault) {
    SIZE client;
    POINT fallback;
    {
        auto window = Open();
        client = ClientSize(window->GetSafeHwnd());
        fallback = DefaultPosition(window->GetSafeHwnd());
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        POINT stored;
        bool kept;
    };
    const Case cases[] = {
        {{0, 0}, true},
        {{width - client.cx - 1, height - client.cy - 1}, true},
        // The client-sized rectangle's right or bottom edge on the screen's
        // edge already counts as outside.
        {{width - client.cx, 10}, false},
        {{10, height - client.cy}, false},
        {{-1, 10}, false},
        {{10, -1}, false},
        {{width + 200, 10}, false},
        {{-32000, -32000}, false},
    };
    for (const Case& c : cases) {
        StorePosition(c.stored.x, c.stored.y);
        auto window = Open();
        const POINT actual = Position(window->GetSafeHwnd());
        const POINT expected = c.kept ? c.stored : fallback;
        EXPECT_EQ(actual.x, expected.x) << c.stored.x << "," << c.stored.y;
        EXPECT_EQ(actual.y, expected.y) << c.stored.x << "," << c.stored.y;
        DestroyWindow(window->GetSafeHwnd());
    }
}

TEST_F(DropWindowTest, EnterAndEscCloseTheWindow) {
    for (const int command : {IDOK, IDCANCEL}) {
        auto window = Open();
        HWND hwnd = window->GetSafeHwnd();
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        EXPECT_FALSE(IsWindow(hwnd)) << command;
    }
}

// What a pop-up menu showed while it was open.
struct ShownMenu {
    bool shown = false;
    RECT frame{};
    std::string firstItem;
    bool firstChecked = false;
    std::string recursiveItem;
    bool recursiveChecked = false;
    int count = 0;
};

ShownMenu ShowContextMenu(HWND window, LPARAM point) {
    ShownMenu seen;
    CModalDriver driver([&seen] {
        HWND popup = FindPopupMenu();
        if (popup == nullptr) {
            return false;
        }
        seen.shown = true;
        GetWindowRect(popup, &seen.frame);
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        char text[128] = {};
        GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
        seen.firstItem = text;
        seen.firstChecked = (GetMenuState(menu, ID_DROP_ON_TOP, MF_BYCOMMAND) & MF_CHECKED) != 0;
        seen.count = GetMenuItemCount(menu);
        GetMenuStringA(menu, ID_DROP_RECURSIVE, text, sizeof text, MF_BYCOMMAND);
        seen.recursiveItem = text;
        seen.recursiveChecked =
            (GetMenuState(menu, ID_DROP_RECURSIVE, MF_BYCOMMAND) & MF_CHECKED) != 0;
        EndMenu();
        return true;
    });
    SendMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), point);
    return seen;
}

TEST_F(DropWindowTest, TheKeyboardsMenuOpensBesideTheClientAreaWithTheOnTopMark) {
    auto window = Open();
    HWND hwnd = window->GetSafeHwnd();
    const ShownMenu seen = ShowContextMenu(hwnd, MAKELPARAM(-1, -1));
    ASSERT_TRUE(seen.shown);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    EXPECT_EQ(seen.frame.left, origin.x + 5);
    EXPECT_EQ(seen.frame.top, origin.y + 5);
    // "常に前面に表示(&T)"
    EXPECT_EQ(seen.firstItem, "\x8f\xed\x82\xc9\x91\x4f\x96\xca\x82\xc9\x95\x5c\x8e\xa6(&T)");
    EXPECT_TRUE(seen.firstChecked);
    EXPECT_EQ(seen.count, 6);
    // "サブフォルダも調べる(&R)", unchecked until chosen, then kept at once.
    EXPECT_EQ(seen.recursiveItem,
              "\x83\x54\x83\x75\x83\x74\x83\x48\x83\x8b\x83\x5f\x82\xe0\x92\xb2"
              "\x82\xd7\x82\xe9(&R)");
    EXPECT_FALSE(seen.recursiveChecked);

    SendMessageA(hwnd, WM_COMMAND, ID_DROP_ON_TOP, 0);
    SendMessageA(hwnd, WM_COMMAND, ID_DROP_RECURSIVE, 0);
    EXPECT_EQ(ReadProfileInt("Window", "Recursive", -1), 1);
    const ShownMenu after = ShowContextMenu(hwnd, MAKELPARAM(300, 200));
    ASSERT_TRUE(after.shown);
    EXPECT_EQ(after.frame.left, 300);
    EXPECT_EQ(after.frame.top, 200);
    EXPECT_FALSE(after.firstChecked);
    EXPECT_TRUE(after.recursiveChecked);
}

// Read through the shell as Explorer reads it; empty when there is none.
std::wstring ShortcutTarget(const std::wstring& path) {
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, 0);
    }
    return target;
}

// Where the Send To menu's shortcut goes, as the shell names the folder.
std::wstring SendToShortcutFile() {
    wchar_t* folder = nullptr;
    EXPECT_EQ(SHGetKnownFolderPath(FOLDERID_SendTo, 0, nullptr, &folder), S_OK);
    const std::wstring shortcut = folder + std::wstring(L"\\Varnel.lnk");
    CoTaskMemFree(folder);
    return shortcut;
}

// The Send To item of the drop window's menu, opened as the keyboard's menu
// key opens it, one step of a modal driver at a time: a first step opens
// the menu; the next, once it is up, reads the item and closes the menu.
class CSendToMenu {
public:
    struct Item {
        std::string text;
        UINT id = 0;
    };
    // True when the item was read.
    bool Step(HWND window, Item& item) {
        const HWND popup = FindPopupMenu();
        if (window == nullptr || (m_asked && popup == nullptr)) {
            return false;
        }
        m_asked = !m_asked;
        if (m_asked) {
            PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                         MAKELPARAM(-1, -1));
            return false;
        }
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        char text[128] = {};
        // The Send To item stands third, after the two check items.
        GetMenuStringA(menu, 2, text, sizeof text, MF_BYPOSITION);
        item = {text, GetMenuItemID(menu, 2)};
        EndMenu();
        return true;
    }

private:
    bool m_asked = false;
};

// The texts of the message boxes shown while it lives, each answered.
class CShownBoxes {
public:
    CShownBoxes() {
        SetMessageBoxHandlerForTesting(
            [this](HWND, const std::string& text, const std::string&, UINT) {
                texts.push_back(text);
                return IDOK;
            });
    }
    ~CShownBoxes() { SetMessageBoxHandlerForTesting(nullptr); }
    CShownBoxes(const CShownBoxes&) = delete;
    CShownBoxes& operator=(const CShownBoxes&) = delete;

    std::vector<std::string> texts;
};

TEST_F(DropWindowTest, TheSendToItemAddsTheShortcutToTheProgramRemovesItAndBoxesAFailure) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::wstring shortcut = SendToShortcutFile();
    // Left by a run that stopped half-way.
    DeleteFileW(shortcut.c_str());
    RemoveDirectoryW(shortcut.c_str());
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);

    // The item each time the menu opened, and the shortcut then; each item
    // is chosen, the third over a folder in the shortcut's place, until the
    // fourth menu closes the window.
    struct Seen {
        std::string item;
        UINT id;
        std::wstring target;
    };
    std::vector<Seen> seen;
    CDropDlg window(report);
    CSendToMenu sendTo;
    const CShownBoxes boxes;
    const CModalDriver driver([&] {
        CSendToMenu::Item item;
        if (!sendTo.Step(window.GetSafeHwnd(), item)) {
            return false;
        }
        seen.push_back({item.text, item.id, ShortcutTarget(shortcut)});
        if (seen.size() == 3) {
            CreateDirectoryW(shortcut.c_str(), nullptr);
        }
        PostMessageA(window.GetSafeHwnd(), seen.size() < 4 ? WM_COMMAND : WM_CLOSE, item.id, 0);
        return seen.size() == 4;
    });
    window.DoModal();
    const bool left = RemoveDirectoryW(shortcut.c_str()) == FALSE;
    DeleteFileW(shortcut.c_str());
    CoUninitialize();

    ASSERT_EQ(seen.size(), 4u);
    // "「送る」に追加(&S)", then "「送る」から削除(&S)"
    const std::string add = "\x81\x75\x91\x97\x82\xe9\x81\x76\x82\xc9\x92\xc7\x89\xc1(&S)";
    const std::string remove =
        "\x81\x75\x91\x97\x82\xe9\x81\x76\x82\xa9\x82\xe7\x8d\xed\x8f\x9c(&S)";
    EXPECT_EQ(seen[0].item, add);
    EXPECT_EQ(seen[0].target, L"");
    EXPECT_EQ(seen[1].item, remove);
    EXPECT_EQ(seen[1].target, self);
    EXPECT_EQ(seen[2].item, add);
    EXPECT_EQ(seen[2].target, L"");
    EXPECT_EQ(seen[3].item, add);
    // "「送る」にショートカットを作れませんでした。"
    EXPECT_EQ(boxes.texts,
              std::vector<std::string>{"\x81\x75\x91\x97\x82\xe9\x81\x76\x82\xc9\x83\x56\x83"
                                       "\x87\x81\x5b\x83\x67\x83\x4a\x83\x62\x83\x67\x82\xf0"
                                       "\x8d\xec\x82\xea\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82"
                                       "\xb5\x82\xbd\x81\x42"});
    EXPECT_FALSE(left);
}

// A Varnel.lnk that is no shortcut (a text file of that name) stays as it
// was when the item that removes the shortcut is chosen, and a box says why.
TEST_F(DropWindowTest, TheSendToItemRemovesNothingButTheProgramsShortcut) {
    const CFileName shortcut(SendToShortcutFile());
    ASSERT_TRUE(WriteFileAtomically(shortcut, "not a shortcut\r\n"));
    CDropDlg window(report);
    CSendToMenu sendTo;
    CSendToMenu::Item item;
    const CShownBoxes boxes;
    const CModalDriver driver([&] {
        if (!sendTo.Step(window.GetSafeHwnd(), item)) {
            return false;
        }
        PostMessageA(window.GetSafeHwnd(), WM_COMMAND, item.id, 0);
        PostMessageA(window.GetSafeHwnd(), WM_CLOSE, 0, 0);
        return true;
    });
    window.DoModal();
    const std::string left = ReadWholeFile(shortcut, kAnyFileSize).bytes;
    DeleteFileW(shortcut.Real().c_str());

    // "「送る」から削除(&S)"
    EXPECT_EQ(item.text, "\x81\x75\x91\x97\x82\xe9\x81\x76\x82\xa9\x82\xe7\x8d\xed\x8f\x9c(&S)");
    // "「送る」の Varnel.lnk は Varnel のショートカットではないため、削除しませんでした。"
    EXPECT_EQ(boxes.texts,
              std::vector<std::string>{
                  "\x81\x75\x91\x97\x82\xe9\x81\x76\x82\xcc Varnel.lnk \x82\xcd Varnel "
                  "\x82\xcc\x83\x56\x83\x87\x81\x5b\x83\x67\x83\x4a\x83\x62\x83\x67\x82\xc5"
                  "\x82\xcd\x82\xc8\x82\xa2\x82\xbd\x82\xdf\x81\x41\x8d\xed\x8f\x9c\x82\xb5"
                  "\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42"});
    EXPECT_EQ(left, "not a shortcut\r\n");
}

TEST_F(DropWindowTest, TheSystemMenuEndsWithTheAboutItem) {
    auto window = Open();
    HMENU menu = GetSystemMenu(window->GetSafeHwnd(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT_SYSCOMMAND));
    char text[128] = {};
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    // "VRNL のﾊﾞｰｼﾞｮﾝ情報(&A)...", with half-width katakana.
    EXPECT_STREQ(text, "VRNL \x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1(&A)...");
}

// The About box the window opened: its caption and texts, then closed.
struct ShownAbout {
    bool shown = false;
    bool ownerDisabled = false;
    std::string caption;
    std::string texts;
};

ShownAbout OpenAbout(HWND window, UINT message, WPARAM command, const char* screenshot) {
    ShownAbout seen;
    bool busy = false;  // taking the screenshot lets the driver's timer in again
    CModalDriver driver([&] {
        HWND about = FindOwnedWindow(window);
        if (about == nullptr || busy) {
            return false;
        }
        busy = true;
        seen.shown = true;
        seen.ownerDisabled = !IsWindowEnabled(window);
        seen.caption = WindowText(about);
        for (HWND child = GetWindow(about, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            seen.texts += WindowText(child) + "\n";
        }
        if (screenshot != nullptr) {
            CaptureScreenshotIfAsked(about, screenshot);
        }
        SendMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    SendMessageA(window, message, command, 0);
    return seen;
}

TEST_F(DropWindowTest, TheAboutBoxOpensFromThePopUpAndTheSystemMenu) {
    auto window = Open();
    HWND hwnd = window->GetSafeHwnd();
    struct Way {
        UINT message;
        WPARAM command;
        const char* screenshot;
    };
    for (const Way& way : {Way{WM_COMMAND, ID_DROP_ABOUT, "drop_about"},
                           Way{WM_SYSCOMMAND, IDM_ABOUT_SYSCOMMAND, nullptr}}) {
        const ShownAbout seen = OpenAbout(hwnd, way.message, way.command, way.screenshot);
        ASSERT_TRUE(seen.shown) << way.message;
        EXPECT_TRUE(seen.ownerDisabled);
        EXPECT_NE(seen.caption.find("Varnel"), std::string::npos);
        // "バージョン" and the version number.
        EXPECT_NE(seen.texts.find("Varnel \x83\x6f\x81\x5b\x83\x57\x83\x87\x83\x93 0."),
                  std::string::npos)
            << seen.texts;
        EXPECT_TRUE(IsWindowEnabled(hwnd));
    }
}

}  // namespace
