// The drop window's job: a drop becomes an input list that a worker thread
// checks while the window animates its icon; the window learns of the end by
// polling g_jobRunning, then shows the results.

#include "ui/drop/drop_dialog.h"

#include <atomic>
#include <utility>

#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "framework/application_name.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "ui/drop/dropped_items.h"

namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationInterval = 250;  // milliseconds
constexpr int kFrameCount = 4;
constexpr DWORD kStopRepeatInterval = 10;  // milliseconds
// How long a window that is closed waits for its job to stop: short enough
// that the process, taken down with its window, ends within a second.
constexpr ULONGLONG kAbandonWait = 750;  // milliseconds

constexpr char kIdleCaption[] = "Varnel";
constexpr char kRunningCaption[] = "計算中...";
constexpr char kShowingResultsCaption[] = "完了";
constexpr char kStopQuestion[] = "停止しますか？";
constexpr char kCannotStartMessage[] =
    "チェックを開始できませんでした。しばらくしてからもう一度ドロップしてください。";

bool JobRunning() {
    // Acquire: a 0 read here makes every list write of the job visible.
    return g_jobRunning.load(std::memory_order_acquire) != 0;
}

}  // namespace

void CDropDlg::OnDropFiles(HDROP drop) {
    if (m_pWorker) {
        // Drops are refused while a job belongs to the window; one that
        // arrives all the same must not start a second job.
        DragFinish(drop);
        return;
    }
    auto inputs = std::make_unique<CInputList>();
    g_messageList.RemoveAll();
    DragAcceptFiles(m_hWnd, FALSE);
    AddDroppedItems(drop, *inputs);
    DragFinish(drop);
    // The failed names of the previous job stay until here, after the
    // dropped folders have been examined.
    g_failedList.RemoveAll();
    g_crcList.RemoveAll();
    g_nameList.RemoveAll();
    g_sizeList.RemoveAll();
    m_nFrame = 1;
    StartJob(std::move(inputs));
}

void CDropDlg::StartJob(std::unique_ptr<CInputList> inputs) {
    if (m_startJob) {
        m_pWorker = m_startJob(std::move(inputs));
    }
    if (!m_pWorker) {
        ShowMessageBox(m_hWnd, kCannotStartMessage, ApplicationName(), MB_OK | MB_ICONSTOP);
        DragAcceptFiles(m_hWnd, TRUE);
        return;
    }
    ShowBusyCursor();
    SetCaption(kRunningCaption);
    SetTimer(m_hWnd, kAnimationTimer, kAnimationInterval, nullptr);
}

void CDropDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != kAnimationTimer || !m_pWorker) {
        return;
    }
    // A worker that has not yet begun the job has not set the flag either;
    // only one whose task has returned has ended it.
    if (JobRunning() || !m_pWorker->HasFinished()) {
        ShowNextFrame();
    } else {
        FinishJob();
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
    // The task has returned; joining only collects its thread.
    m_pWorker->Join();
    AddNoErrorsMessageIfNone();
    SetCaption(kShowingResultsCaption);
    if (m_showResults) {
        m_showResults(m_hWnd);
    }
    m_pWorker.reset();
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
    if (!m_pWorker || !JobRunning()) {
        return;
    }
    KillTimer(m_hWnd, kAnimationTimer);
    RemoveBusyCursor();
    HoldJob();
    const int answer =
        ShowMessageBox(m_hWnd, kStopQuestion, ApplicationName(), MB_YESNO | MB_ICONEXCLAMATION);
    if (m_hWnd == nullptr) {
        // Closed while the question was open: the job has been stopped and
        // waited for, and there is no window left to animate.
        ReleaseJob();
        return;
    }
    if (answer == IDYES) {
        g_stopRequested.store(1);
    }
    ShowBusyCursor();
    ReleaseJob();
    SetTimer(m_hWnd, kAnimationTimer, kAnimationInterval, nullptr);
}

void CDropDlg::OnOK() {
    StopJobForClose();
    CDialog::OnOK();
}

void CDropDlg::OnCancel() {
    StopJobForClose();
    CDialog::OnCancel();
}

// The job is told to stop as soon as the user closes the window, while the
// window is still being taken down; the wait for it counts from here.
void CDropDlg::StopJobForClose() {
    if (!m_pWorker || m_abandonDeadline != 0) {
        return;
    }
    m_abandonDeadline = GetTickCount64() + kAbandonWait;
    g_stopRequested.store(1);
    ReleaseJob();
}

// The window is going while a job runs: the job is told to stop and waited
// for, since the job state it writes goes with the program. A job stops
// within a chunk of its file; one that does not within kAbandonWait is stuck in
// a read that does not return (a share that stopped answering), and would
// keep a process without a window alive: the process ends at once then.
// Its results are discarded either way, and the settings are already saved.
void CDropDlg::AbandonJob() {
    if (!m_pWorker) {
        return;
    }
    if (m_hWnd != nullptr) {
        KillTimer(m_hWnd, kAnimationTimer);
    }
    // The job clears the stop request when it begins, so a worker that had
    // not reached it yet is told again until it has returned.
    const ULONGLONG deadline =
        m_abandonDeadline != 0 ? m_abandonDeadline : GetTickCount64() + kAbandonWait;
    while (!m_pWorker->HasFinished()) {
        if (GetTickCount64() > deadline) {
            TerminateProcess(GetCurrentProcess(), 0);
        }
        g_stopRequested.store(1);
        ReleaseJob();
        Sleep(kStopRepeatInterval);
    }
    m_pWorker->Join();
    m_pWorker.reset();
    m_bBusyCursor = false;
    m_abandonDeadline = 0;
}

void CDropDlg::ShowIcon(int iconId) {
    m_icon.SetIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId)));
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
