#include "ui/drop/drop_dialog.h"

#include <windowsx.h>

#include <string>

#include "engine/folder_depth_setting.h"
#include "framework/application_name.h"
#include "framework/context_menu.h"
#include "framework/dpi.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "framework/string_table.h"
#include "res/resource.h"
#include "ui/drop/about_dialog.h"
#include "ui/drop/send_to_shortcut.h"

namespace {

// The drop window keeps its settings in this section of the profile.
constexpr char kDropWindowSection[] = "Window";
constexpr char kKeyX[] = "WindowX";
constexpr char kKeyY[] = "WindowY";
constexpr char kKeyOnTop[] = "OnTop";

constexpr char kSendToAddFailed[] = "「送る」にショートカットを作れませんでした。";
constexpr char kSendToRemoveFailed[] = "「送る」のショートカットを削除できませんでした。";
constexpr char kSendToNotOurs[] =
    "「送る」の Varnel.lnk は Varnel のショートカットではないため、削除しませんでした。";

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

}  // namespace

CDropDlg::CDropDlg(CJobReport& report) : CDialog(IDD_DROP), m_report(report) {}

// A window still open goes while this object is whole, so that its settings
// are saved and its job is ended by this class's handlers.
CDropDlg::~CDropDlg() {
    if (m_hWnd != nullptr) {
        DestroyWindow(m_hWnd);
    }
    AbandonJob();
}

BOOL CDropDlg::OnInitDialog() {
    m_icon.Attach(GetItem(IDC_DROP_ICON));
    m_dpi = WindowDpi(m_hWnd);
    m_icons.SetDpi(m_dpi);
    m_smallIcons.SetDpi(m_dpi);
    ShowIcon(IDI_IDLE);
    AddAboutItem();
    SetWindowIcons();
    PlaceWindow();
    return TRUE;
}

std::optional<LRESULT> CDropDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CONTEXTMENU:
            OnContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(m_icons.Get(IDI_APP));
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return std::nullopt;
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam);
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam));
        case WM_LBUTTONDOWN:
            m_bMovePending = 1;
            return std::nullopt;
        case WM_LBUTTONUP:
            m_bMovePending = 0;
            return std::nullopt;
        case WM_MOUSEMOVE:
            OnMouseMove();
            return std::nullopt;
        case WM_SETCURSOR:
            return OnSetCursor(LOWORD(lParam));
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return std::nullopt;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk();
            return std::nullopt;
    }
    return std::nullopt;
}

// The icon control sizes its window to the icon, and then draws the icon
// stretched into what its sunken edge leaves of it; sized so that the inside
// holds the whole icon, the icon shows pixel for pixel.
void CDropDlg::FitIconControl() {
    HWND control = m_icon.GetSafeHwnd();
    const int size = SystemMetricForDpi(SM_CXICON, m_dpi);
    RECT frame{0, 0, size, size};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE)));
    SetWindowPos(control, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDropDlg::SetWindowIcons() {
    HICON large = m_icons.Get(IDI_APP);
    HICON small = m_smallIcons.Get(IDI_APP);
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(small != nullptr ? small : large));
}

// Moved to a monitor of another DPI: the window takes the size the system
// suggests, and the icon, drawn pixel for pixel, is loaded in the size of
// the new DPI at a place scaled alike.
void CDropDlg::OnDpiChanged(UINT dpi, const RECT& suggested) {
    RECT place;
    GetWindowRect(m_icon.GetSafeHwnd(), &place);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    const auto scale = [this, dpi](LONG value) {
        return MulDiv(value, static_cast<int>(dpi), static_cast<int>(m_dpi));
    };
    SetWindowPos(m_icon.GetSafeHwnd(), nullptr, scale(place.left), scale(place.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_dpi = dpi;
    m_icons.SetDpi(dpi);
    m_smallIcons.SetDpi(dpi);
    ShowIcon(m_nIconId);
    SetWindowIcons();
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDropDlg::AddAboutItem() {
    AppendSystemMenuItem(IDM_ABOUT_SYSCOMMAND, LoadTableString(IDS_ABOUT_ITEM));
}

// The stored position is kept only when a client-sized rectangle there lies
// wholly on the primary screen, so a window left on a monitor that is gone
// comes back to the default place, whose client-sized rectangle ends at the
// screen's centre.
void CDropDlg::PlaceWindow() {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area;
    GetClientRect(m_hWnd, &area);
    const int defX = (screen.right >> 1) - area.right;
    const int defY = (screen.bottom >> 1) - area.bottom;
    const int y = ReadProfileInt(kDropWindowSection, kKeyY, defY);
    const int x = ReadProfileInt(kDropWindowSection, kKeyX, defX);
    OffsetRect(&area, x, y);
    m_bOnTop = ReadProfileInt(kDropWindowSection, kKeyOnTop, 1);

    POINT position{x, y};
    if (!PtInRect(&screen, POINT{area.left, area.top}) ||
        !PtInRect(&screen, POINT{area.right, area.bottom})) {
        position = POINT{defX, defY};
    }
    SetWindowPos(m_hWnd, m_bOnTop ? HWND_TOPMOST : HWND_TOP, position.x, position.y, 0, 0,
                 SWP_NOSIZE);
}

void CDropDlg::OnContextMenu(POINT point) {
    point = ContextMenuPoint(m_hWnd, point);
    HMENU menu = LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_DROP_MENU));
    if (menu == nullptr) {
        return;
    }
    HWND owner = m_hWnd;
    while ((GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD) != 0 && GetParent(owner) != nullptr) {
        owner = GetParent(owner);
    }
    HMENU popup = GetSubMenu(menu, 0);
    CheckMenuItem(popup, ID_DROP_ON_TOP, MF_BYCOMMAND | (m_bOnTop ? MF_CHECKED : MF_UNCHECKED));
    const bool wholeTree = ReadFolderDepthSetting() == FolderDepth::WholeTree;
    CheckMenuItem(popup, ID_DROP_RECURSIVE, MF_BYCOMMAND | (wholeTree ? MF_CHECKED : MF_UNCHECKED));
    DeleteMenu(popup, HasSendToShortcut() ? ID_DROP_SEND_TO_ADD : ID_DROP_SEND_TO_REMOVE,
               MF_BYCOMMAND);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, owner, nullptr);
    DestroyMenu(menu);
}

std::optional<LRESULT> CDropDlg::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != IDM_ABOUT_SYSCOMMAND) {
        return std::nullopt;
    }
    ShowAbout();
    return 0;
}

std::optional<LRESULT> CDropDlg::OnCommand(WORD id) {
    switch (id) {
        case ID_DROP_ON_TOP:
            ToggleOnTop();
            return 0;
        case ID_DROP_RECURSIVE:
            ToggleRecursive();
            return 0;
        case ID_DROP_SEND_TO_ADD:
            AddSendTo();
            return 0;
        case ID_DROP_SEND_TO_REMOVE:
            RemoveSendTo();
            return 0;
        case ID_DROP_ABOUT:
            ShowAbout();
            return 0;
        case ID_DROP_CLOSE:
            SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
            return 0;
    }
    return std::nullopt;
}

// Only the stacking changes here; the setting is stored when the window goes.
void CDropDlg::ToggleOnTop() {
    m_bOnTop = m_bOnTop ? 0 : 1;
    SetWindowPos(m_hWnd, m_bOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

// Stored at once: the program started with paths follows the item too.
void CDropDlg::ToggleRecursive() {
    WriteFolderDepthSetting(ReadFolderDepthSetting() == FolderDepth::WholeTree
                                ? FolderDepth::FilesOnly
                                : FolderDepth::WholeTree);
}

void CDropDlg::AddSendTo() {
    if (!AddSendToShortcut()) {
        ShowError(kSendToAddFailed);
    }
}

void CDropDlg::RemoveSendTo() {
    switch (RemoveSendToShortcut()) {
        case SendToRemoval::Removed:
            break;
        case SendToRemoval::Failed:
            ShowError(kSendToRemoveFailed);
            break;
        case SendToRemoval::NotTheProgramsShortcut:
            ShowError(kSendToNotOurs);
            break;
    }
}

void CDropDlg::ShowError(const char* text) {
    ShowMessageBox(m_hWnd, text, ApplicationName().Text(), MB_OK | MB_ICONERROR);
}

// Owned by this window, so that the box shows above it even while the window
// stays above all others.
void CDropDlg::ShowAbout() {
    CAboutDlg about(m_hWnd);
    about.DoModal();
}

void CDropDlg::OnDestroy() {
    RECT frame;
    GetWindowRect(m_hWnd, &frame);
    WriteProfileInt(kDropWindowSection, kKeyX, frame.left);
    WriteProfileInt(kDropWindowSection, kKeyY, frame.top);
    WriteProfileInt(kDropWindowSection, kKeyOnTop, m_bOnTop);
    AbandonJob();
}

// A press in the client area (the icon takes no mouse input) followed by a
// move hands the window to the system's interactive move, which returns
// when the move is over; a click without a move does nothing.
void CDropDlg::OnMouseMove() {
    if (m_bMovePending == 1) {
        SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MOVE, 0);
        m_bMovePending = 0;
    }
    if (m_bBusyCursor) {
        ShowBusyCursor();
    }
}

std::optional<LRESULT> CDropDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        return std::nullopt;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT area;
    GetClientRect(m_hWnd, &area);
    const int size = SystemMetricForDpi(SM_CXICON, m_dpi);
    const int x = (area.right - size + 1) / 2;
    const int y = (area.bottom - size + 1) / 2;
    DrawIcon(dc, x, y, m_icons.Get(IDI_APP));
    EndPaint(m_hWnd, &paint);
    return 0;
}

// The system sets the class cursor again whenever the pointer moves; while a
// job runs the client area keeps the busy one.
std::optional<LRESULT> CDropDlg::OnSetCursor(WORD hitTest) {
    if (!m_bBusyCursor || hitTest != HTCLIENT) {
        return std::nullopt;
    }
    ShowBusyCursor();
    return TRUE;
}
