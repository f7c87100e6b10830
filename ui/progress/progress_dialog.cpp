#include "ui/progress/progress_dialog.h"

#include <commctrl.h>

#include <chrono>

#include "engine/job_progress.h"
#include "engine/job_state.h"
#include "framework/cp932_text.h"
#include "res/resource.h"
#include "ui/progress/progress_figures.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
// Often enough that the window closes soon after the job's end, and the
// bar moves smoothly; a text is redrawn only when it changed.
constexpr UINT kPollEveryMs = 100;

}  // namespace

CProgressDlg::CProgressDlg() : CDialog(IDD_PROGRESS) {}

BOOL CProgressDlg::OnInitDialog() {
    ShowFigures();
    SetTimer(m_hWnd, kPollTimer, kPollEveryMs, nullptr);
    return TRUE;
}

std::optional<LRESULT> CProgressDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kPollTimer) {
                OnTimer();
            }
            return 0;
        case WM_DESTROY:
            KillTimer(m_hWnd, kPollTimer);
            return std::nullopt;
    }
    return std::nullopt;
}

void CProgressDlg::OnTimer() {
    if (m_pWorker->HasFinished()) {
        EndDialog(IDOK);
        return;
    }
    ShowFigures();
}

// The job stops at its next chunk; the window stays until it has.
void CProgressDlg::OnCancel() {
    RequestJobStop();
    EnableWindow(GetItem(IDCANCEL), FALSE);
}

void CProgressDlg::ShowFigures() {
    const ProgressFigures figures =
        FigureProgress(g_jobProgress.Snapshot(), std::chrono::steady_clock::now());
    SetText(IDC_PROGRESS_NAME, 0, figures.name);
    SetText(IDC_PROGRESS_FILES, 1, figures.files);
    SetText(IDC_PROGRESS_BYTES, 2, figures.bytes);
    SetText(IDC_PROGRESS_TIME_LEFT, 3, figures.timeLeft);
    SendMessageW(GetItem(IDC_PROGRESS_BAR), PBM_SETPOS, static_cast<WPARAM>(figures.percent), 0);
}

void CProgressDlg::SetText(int id, std::size_t shown, const std::string& text) {
    if (m_shown[shown] != text) {
        m_shown[shown] = text;
        SetDlgItemTextW(m_hWnd, id, WidenText(text).c_str());
    }
}
