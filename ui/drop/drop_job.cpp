// The drop window's side of its job: a drop becomes an input list that a
// worker thread checks while the window animates its icon; the window learns
// of the end by polling the job, then shows the results.

#include "ui/drop/drop_dialog.h"

#include <utility>

#include "engine/job_messages.h"
#include "framework/application_name.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "ui/drop/dropped_items.h"
#include "ui/drop/folder_depth_setting.h"

namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationInterval = 250;  // milliseconds
constexpr int kFrameCount = 4;

constexpr char kIdleCaption[] = "Varnel";
constexpr char kRunningCaption[] = "計算中...";
constexpr char kShowingResultsCaption[] = "完了";
constexpr char kStopQuestion[] = "停止しますか？";
constexpr char kCannotStartMessage[] =
    "チェックを開始できませんでした。しばらくしてからもう一度ドロップしてください。";

}  // namespace

void CDropDlg::OnDropFiles(HDROP drop) {
    if (m_job.IsActive()) {
        // Drops are refused while a job belongs to the window; one that
        // arrives all the same must not start a second job.
        DragFinish(drop);
        return;
    }
    auto inputs = std::make_unique<CInputList>();
    m_report.Clear();
    DragAcceptFiles(m_hWnd, FALSE);
    AddDroppedItems(drop, ReadFolderDepthSetting(), *inputs, m_report);
    DragFinish(drop);
    m_nFrame = 1;
    StartJob(std::move(inputs));
}

void CDropDlg::StartJob(std::unique_ptr<CInputList> inputs) {
    if (!m_job.Start(m_startJob, std::move(inputs), m_report)) {
        ShowMessageBox(m_hWnd, kCannotStartMessage, ApplicationName().Text(), MB_OK | MB_ICONSTOP);
        DragAcceptFiles(m_hWnd, TRUE);
        return;
    }
    ShowBusyCursor();
    SetCaption(kRunningCaption);
    SetTimer(m_hWnd, kAnimationTimer, kAnimationInterval, nullptr);
}

void CDropDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != kAnimationTimer || !m_job.IsActive()) {
        return;
    }
    if (m_job.HasEnded()) {
        FinishJob();
    } else {
        ShowNextFrame();
    }
}

// Starting from phase 1, the frames follow as 145, 146, 143, 144, ...
void CDropDlg::ShowNextFrame() {
    m_nFrame = (m_nFrame + 1) % kFrameCount;
    ShowIcon(IDI_FRAME0 + m_nFrame);
}

void CDropDlg::FinishJob() {
    ShowIcon(IDI_IDLE);
    KillTimer(m_hWnd, kAnimationTimer);
    RemoveBusyCursor();
    AddNoErrorsMessageIfNone(m_report);
    SetCaption(kShowingResultsCaption);
    // The job belongs to the window until its results have been shown, so
    // that no drop starts another meanwhile.
    if (m_showResults) {
        m_showResults(m_hWnd, m_report, m_job.Took());
    }
    m_job.Collect();
    if (m_hWnd == nullptr) {
        return;  // closed while the results were shown
    }
    SetCaption(kIdleCaption);
    DragAcceptFiles(m_hWnd, TRUE);
}

// The worker is held at its next checkpoint while the question is open, so
// the job makes no progress; it is never suspended, which could leave it
// holding a lock of the heap or the runtime that showing the question needs.
void CDropDlg::OnLButtonDblClk() {
    if (!m_job.IsWorking()) {
        return;
    }
    KillTimer(m_hWnd, kAnimationTimer);
    RemoveBusyCursor();
    m_job.Hold();
    const int answer = ShowMessageBox(m_hWnd, kStopQuestion, ApplicationName().Text(),
                                      MB_YESNO | MB_ICONEXCLAMATION);
    if (m_hWnd == nullptr) {
        // Closed while the question was open: the job has been stopped and
        // waited for, and there is no window left to animate.
        m_job.Release(false);
        return;
    }
    ShowBusyCursor();
    m_job.Release(answer == IDYES);
    SetTimer(m_hWnd, kAnimationTimer, kAnimationInterval, nullptr);
}

// The job is told to stop as soon as the user closes the window, while the
// window is still being taken down.
void CDropDlg::OnOK() {
    m_job.StopForClose();
    CDialog::OnOK();
}

void CDropDlg::OnCancel() {
    m_job.StopForClose();
    CDialog::OnCancel();
}

// The window is going while a job runs; its results are discarded, and the
// settings are already saved.
void CDropDlg::AbandonJob() {
    if (m_hWnd != nullptr) {
        KillTimer(m_hWnd, kAnimationTimer);
    }
    m_job.Abandon();
    m_bBusyCursor = false;
}

void CDropDlg::ShowIcon(int iconId) {
    m_nIconId = iconId;
    m_icon.SetIcon(m_icons.Get(iconId));
    FitIconControl();
}

void CDropDlg::ShowBusyCursor() {
    m_bBusyCursor = true;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void CDropDlg::RemoveBusyCursor() {
    m_bBusyCursor = false;
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}
