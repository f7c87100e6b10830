#include "ui/result/result_dialog.h"

#include "framework/application_name.h"
#include "framework/file_io.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "framework/save_file_dialog.h"
#include "framework/text_mode.h"
#include "res/resource.h"
#include "ui/result/report_layout.h"
#include "ui/result/result_placement.h"
#include "ui/result/url_list_drop.h"

namespace {

constexpr char kSection[] = "Result";
constexpr int kDefaultSize = 100;
constexpr char kSaveItem[] = "結果を保存(&A)...";
constexpr char kSaveFilter[] = "テキストファイル(*.txt)|*.txt||";
constexpr char kSaveFailed[] = "結果を保存できませんでした。";

WindowBounds StoredBounds() {
    const int width = ReadProfileInt(kSection, "Width", kDefaultSize);
    const int height = ReadProfileInt(kSection, "Height", kDefaultSize);
    const WindowBounds centred = CentredResultBounds(GetSystemMetrics(SM_CXSCREEN),
                                                     GetSystemMetrics(SM_CYSCREEN), width, height);
    return {ReadProfileInt(kSection, "WindowX", centred.x),
            ReadProfileInt(kSection, "WindowY", centred.y), width, height};
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

BOOL CResultDlg::OnInitDialog() {
    m_resultList.Attach(GetItem(IDC_RESULT_LIST));
    AppendSaveItem();
    FillReport();
    SetWindowIcons();
    RestoreBounds();
    RECT client;
    GetClientRect(m_hWnd, &client);
    FitListToClient(client.right, client.bottom);
    return TRUE;
}

void CResultDlg::AppendSaveItem() {
    AppendSystemMenuItem(IDM_SAVE_RESULT, kSaveItem);
}

// A report can have a hundred thousand rows; the list box is drawn once,
// after the last one.
void CResultDlg::FillReport() {
    if (m_pMessageList == nullptr || m_pNameList == nullptr || m_pCrcList == nullptr ||
        m_pSizeList == nullptr) {
        return;
    }
    // Reserving the lines up front spares a list box that grows its storage
    // a few items at a time from copying it over and over.
    const std::size_t rows = m_pNameList->GetCount();
    m_resultList.InitStorage(m_pMessageList->GetCount() + (rows > 0 ? rows + 4 : 0));
    m_resultList.SetRedraw(false);
    BuildReportLines(*m_pMessageList, *m_pNameList, *m_pCrcList, *m_pSizeList,
                     [this](const std::string& line) { m_resultList.AddString(line); });
    m_resultList.SetRedraw(true);
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

void CResultDlg::RestoreBounds() {
    const WindowBounds bounds = ChooseResultBounds(GetSystemMetrics(SM_CXSCREEN),
                                                   GetSystemMetrics(SM_CYSCREEN), StoredBounds());
    SetWindowPos(m_hWnd, nullptr, bounds.x, bounds.y, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CResultDlg::FitListToClient(int width, int height) {
    if (m_resultList.IsWindow()) {
        SetWindowPos(m_resultList.GetSafeHwnd(), nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
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
    }
    return std::nullopt;
}

std::optional<LRESULT> CResultDlg::OnSize(WPARAM type, int width, int height) {
    if (type != SIZE_MINIMIZED) {
        FitListToClient(width, height);
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
    ExtractUrlListFromDrop(m_hWnd, drop);
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

// Every line as the list box holds it, each ended as text mode ends a line.
std::string CResultDlg::ReportFileBytes() const {
    std::string text;
    for (int i = 0; i < m_resultList.GetCount(); ++i) {
        text += m_resultList.GetText(i);
        text += '\n';
    }
    return TextModeBytes(text);
}

// An earlier file of that name stays as it was unless the whole report has
// reached the disk, and a failure is never silent.
void CResultDlg::SaveReport() {
    const std::optional<CFileName> path = AskSavePath();
    if (!path) {
        return;
    }
    if (!FitsPathLimit(*path) || !WriteFileAtomically(*path, ReportFileBytes())) {
        ShowMessageBox(m_hWnd, path->Text() + "\n" + kSaveFailed, ApplicationName().Text(),
                       MB_ICONERROR | MB_OK);
    }
}
