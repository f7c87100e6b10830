#include "ui/result/result_dialog.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/application_name.h"
#include "framework/dpi.h"
#include "framework/file_system/file_save.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "framework/save_file_dialog.h"
#include "res/resource.h"
#include "ui/result/report_layout.h"
#include "ui/result/report_summary.h"
#include "ui/result/result_placement.h"
#include "ui/result/url_list_drop.h"

namespace {

constexpr char kSection[] = "Result";
// A first window shows up to this many lines; the user's size wins after.
constexpr int kFirstStartLines = 30;
// Room beside the text: the list box's and the status bar's own margins, at 96 DPI.
constexpr int kTextMargin = 8;
constexpr char kSaveItem[] = "結果を保存(&A)...";
constexpr char kSaveFilter[] = "テキストファイル(*.txt)|*.txt||";
constexpr char kSaveFailed[] = "結果を保存できませんでした。";

WindowBounds PrimaryWorkArea() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

// The outer size of a window of this style whose client area has this size.
SIZE OuterSize(HWND window, int clientWidth, int clientHeight) {
    RECT rect = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The longest line in bytes is the widest on the screen: the font gives a
// double-byte character twice the width of a single-byte one.
std::string_view WidestLine(std::span<const std::string> lines) {
    const auto widest = std::max_element(
        lines.begin(), lines.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    return widest == lines.end() ? std::string_view() : std::string_view(*widest);
}

// The rectangle the window has when shown normally, in screen coordinates.
// A minimised window's own rectangle is the system's parking place, so its
// normal placement counts; that is kept relative to the work area.
RECT NormalWindowRect(HWND window) {
    RECT rect = {};
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!IsIconic(window) || !GetWindowPlacement(window, &placement)) {
        GetWindowRect(window, &rect);
        return rect;
    }
    rect = placement.rcNormalPosition;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left,
                   monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return rect;
}

}  // namespace

CResultDlg::CResultDlg(HWND parent) : CDialog(IDD_RESULT, parent) {}

CResultDlg::~CResultDlg() {
    if (m_hScaledFont != nullptr) {
        DeleteObject(m_hScaledFont);
    }
}

BOOL CResultDlg::OnInitDialog() {
    m_dpi = WindowDpi(m_hWnd);
    m_resultList.Attach(GetItem(IDC_RESULT_LIST));
    m_statusBar.Create(m_hWnd, IDC_RESULT_STATUS);
    m_statusBar.SetFont(m_resultList.GetFont());
    AppendSaveItem();
    FillReport();
    m_statusBar.SetText(ReportSummaryText(m_totals, m_took));
    SetWindowIcons();
    RestoreBounds();
    RECT client;
    GetClientRect(m_hWnd, &client);
    LayOutControls(client.right, client.bottom);
    return TRUE;
}

void CResultDlg::AppendSaveItem() {
    AppendSystemMenuItem(IDM_SAVE_RESULT, kSaveItem);
}

void CResultDlg::FillReport() {
    if (m_pReport == nullptr) {
        return;
    }
    JobReportLines report = m_pReport->TakeLines();
    const std::size_t rows = report.nameList.GetCount();
    m_lines.reserve(report.messageList.GetCount() + (rows > 0 ? rows + 4 : 0));
    m_totals =
        BuildReportLines(report.messageList, report.nameList, report.crcList, report.sizeList,
                         [this](const std::string& line) { m_lines.push_back(line); });
    ShowLines();
}

// A report can have a hundred thousand rows; the list box is drawn once,
// after the last one. Reserving the lines up front spares a list box that
// grows its storage a few items at a time from copying it over and over.
void CResultDlg::ShowLines() {
    const std::span<const std::string> lines = LinesOnView();
    m_resultList.SetRedraw(false);
    m_resultList.ResetContent();
    m_resultList.InitStorage(lines.size());
    for (const std::string& line : lines) {
        m_resultList.AddString(line);
    }
    m_resultList.SetRedraw(true);
    FitExtent();
}

// Without an extent the list box cannot scroll sideways at all, and the end
// of a long row (its CRC and size) could never be seen.
void CResultDlg::FitExtent() {
    const std::string_view widest = WidestLine(LinesOnView());
    m_resultList.SetHorizontalExtent(
        widest.empty() ? 0 : m_resultList.TextWidth(widest) + ScaleForDpi(kTextMargin, m_dpi));
}

void CResultDlg::SetWindowIcons() {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    HICON large = LoadIconA(module, MAKEINTRESOURCEA(IDI_FRAME0));
    auto small = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_FRAME0), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(small != nullptr ? small : large));
}

// The stored size, or on a first start one that shows the report: as wide
// as its widest line and up to kFirstStartLines lines high. Either way the
// window opens wholly on the work area.
void CResultDlg::RestoreBounds() {
    const int width = ReadProfileInt(kSection, "Width", 0);
    const int height = ReadProfileInt(kSection, "Height", 0);
    const SIZE size = width > 0 && height > 0 ? SIZE{width, height} : FittedSize();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const WindowBounds centred = CentredResultBounds(screenWidth, screenHeight, size.cx, size.cy);
    const WindowBounds stored = {ReadProfileInt(kSection, "WindowX", centred.x),
                                 ReadProfileInt(kSection, "WindowY", centred.y), size.cx, size.cy};
    const WindowBounds bounds =
        ChooseResultBounds(screenWidth, screenHeight, PrimaryWorkArea(), stored);
    SetWindowPos(m_hWnd, nullptr, bounds.x, bounds.y, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The list box keeps room for its vertical scroll bar, and the status bar
// for its whole text beside the sizing grip.
SIZE CResultDlg::FittedSize() const {
    const HWND list = m_resultList.GetSafeHwnd();
    const int margin = ScaleForDpi(kTextMargin, m_dpi);
    const int scrollBar = SystemMetricForDpi(SM_CXVSCROLL, m_dpi);
    const int textWidth =
        std::max(m_resultList.GetHorizontalExtent(),
                 m_statusBar.TextWidth(m_statusBar.GetText()) + margin + scrollBar);
    const int lines = std::clamp(m_resultList.GetCount(), 1, kFirstStartLines);
    RECT listRect = {0, 0, textWidth, lines * m_resultList.GetItemHeight()};
    AdjustWindowRectEx(
        &listRect,
        static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE) & ~(WS_VSCROLL | WS_HSCROLL)), FALSE,
        static_cast<DWORD>(GetWindowLongPtrW(list, GWL_EXSTYLE)));
    return OuterSize(m_hWnd, listRect.right - listRect.left + scrollBar,
                     listRect.bottom - listRect.top + m_statusBar.Height());
}

// The status bar along the bottom, the list box above it.
void CResultDlg::LayOutControls(int width, int height) {
    if (!m_resultList.IsWindow() || !m_statusBar.IsWindow()) {
        return;
    }
    m_statusBar.FollowParent();
    SetWindowPos(m_resultList.GetSafeHwnd(), nullptr, 0, 0, width,
                 std::max(0, height - m_statusBar.Height()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog's font in the size it has at dpi, for the list and the status
// bar; the list box takes its line height from it.
void CResultDlg::ScaleFont(UINT dpi) {
    LOGFONTW font = {};
    if (GetObjectW(m_resultList.GetFont(), sizeof font, &font) == 0 || m_dpi == 0) {
        return;
    }
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(m_dpi));
    HFONT scaled = CreateFontIndirectW(&font);
    if (scaled == nullptr) {
        return;
    }
    m_resultList.SetFont(scaled);
    m_statusBar.SetFont(scaled);
    if (m_hScaledFont != nullptr) {
        DeleteObject(m_hScaledFont);
    }
    m_hScaledFont = scaled;
    m_dpi = dpi;
}

std::optional<LRESULT> CResultDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            return OnSize(wParam, LOWORD(lParam), HIWORD(lParam));
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam);
        case WM_DESTROY:
            return OnDestroy();
        case WM_DROPFILES:
            return OnDropFiles(reinterpret_cast<HDROP>(wParam));
        case WM_DPICHANGED:
            return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        case WM_CONTEXTMENU:
            OnContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam));
        case WM_VKEYTOITEM:
            return OnVKeyToItem(LOWORD(wParam));
    }
    return std::nullopt;
}

std::optional<LRESULT> CResultDlg::OnSize(WPARAM type, int width, int height) {
    if (type != SIZE_MINIMIZED) {
        LayOutControls(width, height);
    }
    return std::nullopt;
}

std::optional<LRESULT> CResultDlg::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != IDM_SAVE_RESULT) {
        return std::nullopt;
    }
    SaveReport();
    return 0;
}

std::optional<LRESULT> CResultDlg::OnDestroy() {
    StoreBounds();
    return std::nullopt;
}

std::optional<LRESULT> CResultDlg::OnDropFiles(HDROP drop) {
    if (m_pReport == nullptr) {
        DragFinish(drop);
        return 0;
    }
    ExtractUrlListFromDrop(m_hWnd, drop, m_pReport->FailedList());
    return 0;
}

// The window moved to a monitor of another DPI: the font and the window
// scale, and the system's suggested rectangle keeps the window where the
// user put it.
std::optional<LRESULT> CResultDlg::OnDpiChanged(UINT dpi, const RECT& suggested) {
    ScaleFont(dpi);
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FitExtent();
    return 0;
}

void CResultDlg::StoreBounds() {
    const RECT rect = NormalWindowRect(m_hWnd);
    WriteProfileInt(kSection, "WindowX", rect.left);
    WriteProfileInt(kSection, "WindowY", rect.top);
    WriteProfileInt(kSection, "Width", rect.right - rect.left);
    WriteProfileInt(kSection, "Height", rect.bottom - rect.top);
}

std::optional<CFileName> CResultDlg::AskSavePath() {
    return AskSaveFileName(m_hWnd, kSaveFilter, L"txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

// Every line of the report, whatever the list shows, each ended as text
// mode ends a line.
std::string CResultDlg::ReportFileBytes() const {
    return ReportText(m_lines);
}

// An earlier file of that name stays as it was unless the whole report has
// reached the disk, and a failure is never silent.
void CResultDlg::SaveReport() {
    const std::optional<CFileName> path = AskSavePath();
    if (!path) {
        return;
    }
    if (!WriteFileAtomically(*path, ReportFileBytes())) {
        ShowMessageBox(m_hWnd, path->Text() + "\n" + kSaveFailed, ApplicationName().Text(),
                       MB_ICONERROR | MB_OK);
    }
}
