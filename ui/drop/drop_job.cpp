// The drop window's side of its job: the window's messages become events of
// the drop flow, and the flow's commands become calls of the window, the
// shell and the worker.

#include "ui/drop/drop_dialog.h"

#include <chrono>
#include <memory>
#include <string>
#include <utility>

#include "engine/folder_depth_setting.h"
#include "engine/job_progress.h"
#include "framework/application_name.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "ui/drop/dropped_items.h"
#include "ui/progress/progress_figures.h"

namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationInterval = 250;   // milliseconds
constexpr DWORD kStopRepeatInterval = 10;  // milliseconds

constexpr char kStopQuestion[] = "停止しますか？";
constexpr char kCannotStartMessage[] =
    "チェックを開始できませんでした。しばらくしてからもう一度ドロップしてください。";

}  // namespace

// A drop the flow does not take (drops are refused, yet one may arrive)
// is let go unused.
void CDropDlg::OnDropFiles(HDROP drop) {
    Carry(m_flow.Drop(), drop);
    DragFinish(drop);
}

void CDropDlg::OnTimer(UINT_PTR timerId) {
    if (timerId == kAnimationTimer) {
        Carry(m_flow.Tick(m_job.Status()));
    }
}

void CDropDlg::OnLButtonDblClk() {
    Carry(m_flow.DoubleClick(m_job.Status()));
}

// Enter, Esc and the close box; the job is told to stop at once, while the
// window is still being taken down.
void CDropDlg::OnOK() {
    Carry(m_flow.Close(GetTickCount64()));
    CDialog::OnOK();
}

void CDropDlg::OnCancel() {
    Carry(m_flow.Close(GetTickCount64()));
    CDialog::OnCancel();
}

// The window is going: a job still running is stopped and waited for, and
// its results are discarded.
void CDropDlg::AbandonJob() {
    Carry(m_flow.Close(GetTickCount64()));
    while (m_flow.IsClosing()) {
        Carry(m_flow.WaitForStop(GetTickCount64(), m_job.HasFinished()));
        if (m_flow.IsClosing()) {
            Sleep(kStopRepeatInterval);
        }
    }
}

void CDropDlg::Carry(const DropCommands& commands, HDROP drop) {
    for (const DropCommand& command : commands) {
        Carry(command, drop);
    }
}

void CDropDlg::Carry(const DropCommand& command, HDROP drop) {
    switch (command.action) {
        case DropAction::SetCaption:
            SetCaption(command.text);
            break;
        case DropAction::ShowIcon:
            ShowIcon(command.value);
            break;
        case DropAction::ShowBusyCursor:
            ShowBusyCursor();
            break;
        case DropAction::RemoveBusyCursor:
            RemoveBusyCursor();
            break;
        case DropAction::AcceptDrops:
            DragAcceptFiles(m_hWnd, TRUE);
            break;
        case DropAction::RefuseDrops:
            DragAcceptFiles(m_hWnd, FALSE);
            break;
        case DropAction::StartTimer:
            SetTimer(m_hWnd, kAnimationTimer, kAnimationInterval, nullptr);
            break;
        case DropAction::StopTimer:
            KillTimer(m_hWnd, kAnimationTimer);
            break;
        case DropAction::StartJob:
            StartJob(drop);
            break;
        case DropAction::TellCannotStart:
            ShowMessageBox(m_hWnd, kCannotStartMessage, ApplicationName().Text(),
                           MB_OK | MB_ICONSTOP);
            break;
        case DropAction::HoldJob:
            m_job.Hold();
            break;
        case DropAction::AskStop:
            AskStop();
            break;
        case DropAction::ReleaseJob:
            m_job.Release(false);
            break;
        case DropAction::StopJob:
            m_job.Release(true);
            break;
        case DropAction::ShowResults:
            ShowResults();
            break;
        case DropAction::CollectJob:
            m_job.Collect();
            break;
        case DropAction::ShowProgress:
            ShowProgress();
            break;
        case DropAction::HideProgress:
            m_progressTip.Hide();
            break;
        case DropAction::EndProcess:
            TerminateProcess(GetCurrentProcess(), 0);
            break;
    }
}

void CDropDlg::StartJob(HDROP drop) {
    auto inputs = std::make_unique<CInputList>();
    m_report.Clear();
    AddDroppedItems(drop, ReadFolderDepthSetting(), *inputs, m_report);
    Carry(m_flow.JobStarted(m_job.Start(m_check, std::move(inputs), m_report)));
}

// The worker is held at its next checkpoint while the question is open; it
// is never suspended, which could leave it holding a lock of the heap or the
// runtime that showing the question needs.
void CDropDlg::AskStop() {
    const int answer = ShowMessageBox(m_hWnd, kStopQuestion, ApplicationName().Text(),
                                      MB_YESNO | MB_ICONEXCLAMATION);
    Carry(m_flow.Answered(answer == IDYES));
}

void CDropDlg::ShowResults() {
    if (m_showResults) {
        m_showResults(m_hWnd, m_report, m_job.Took());
    }
    Carry(m_flow.ResultsClosed());
}

void CDropDlg::ShowIcon(int iconId) {
    m_nIconId = iconId;
    m_icon.SetIcon(m_icons.Get(iconId));
    FitIconControl();
}

// The figures of the running job, for a user who rests the pointer on the
// window: the file being read on the first line, how far the job is below.
void CDropDlg::ShowProgress() {
    const ProgressFigures figures =
        FigureProgress(g_jobProgress.Snapshot(), std::chrono::steady_clock::now());
    const std::string counts = JoinFigures(figures);
    m_progressTip.SetText(m_hWnd, figures.name.empty() ? counts : figures.name + "\r\n" + counts);
}

void CDropDlg::ShowBusyCursor() {
    m_bBusyCursor = true;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void CDropDlg::RemoveBusyCursor() {
    m_bBusyCursor = false;
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}
