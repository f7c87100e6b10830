#pragma once

#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <functional>
#include <optional>

#include "engine/job_report.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/dpi.h"
#include "framework/tool_tip.h"
#include "ui/drop/drop_flow.h"
#include "ui/drop/window_job.h"

// The drop-target window: a tiny tool window showing one icon, by default
// above all other windows. Files and folders dropped on it become a job that
// runs on a worker thread while the icon animates; a double-click offers to
// stop it, and the result window opens when it has ended. The window polls
// the job with a timer; the worker never sends it anything.
class CDropDlg : public CDialog {
public:
    using JobCheck = CWindowJob::Check;
    // Runs the result window over the report, owned by owner, with how long
    // the job took; returns when it has closed.
    using ResultShower =
        std::function<void(HWND owner, CJobReport& report, std::chrono::milliseconds took)>;

    // Each job's report goes into report, which outlives the window.
    explicit CDropDlg(CJobReport& report);
    ~CDropDlg() override;

    // The check each drop runs on a worker thread, and the window that shows
    // its report; set by the creator. Without a check no job starts.
    JobCheck m_check;
    ResultShower m_showResults;

protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enter, Esc and the close box end the window, and with it the job.
    void OnOK() override;
    void OnCancel() override;

private:
    // The window itself (drop_dialog.cpp).
    void FitIconControl();
    void SetWindowIcons();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void AddAboutItem();
    void PlaceWindow();
    void OnContextMenu(POINT point);
    std::optional<LRESULT> OnSysCommand(WPARAM command);
    std::optional<LRESULT> OnCommand(WORD id);
    void ToggleOnTop();
    void ToggleRecursive();
    // Add or remove the Send To shortcut; a box names a failure.
    void AddSendTo();
    void RemoveSendTo();
    void ShowError(const char* text);
    void ShowAbout();
    void OnDestroy();
    void OnMouseMove();
    std::optional<LRESULT> OnPaint();
    std::optional<LRESULT> OnSetCursor(WORD hitTest);

    // Drops and the background job (drop_job.cpp): the flow's events in,
    // its commands carried out.
    void OnDropFiles(HDROP drop);
    void OnTimer(UINT_PTR timerId);
    void OnLButtonDblClk();
    void AbandonJob();
    void Carry(const DropCommands& commands, HDROP drop = nullptr);
    void Carry(const DropCommand& command, HDROP drop);
    void StartJob(HDROP drop);
    void AskStop();
    void ShowResults();
    void ShowIcon(int iconId);
    void ShowProgress();
    void ShowBusyCursor();
    void RemoveBusyCursor();

    int m_bMovePending = 0;
    CJobReport& m_report;
    CDropFlow m_flow;
    CWindowJob m_job;
    int m_bOnTop = 1;
    CStatic m_icon;
    int m_nIconId = 0;  // the resource id of the icon m_icon shows
    UINT m_dpi = kBaseDpi;
    CScaledIcons m_icons{SM_CXICON};
    // The application icon's own small image, for the task bar and the
    // window's small icon, rather than the large one shrunk.
    CScaledIcons m_smallIcons{SM_CXSMICON};
    bool m_bBusyCursor = false;
    CToolTip m_progressTip;
};
