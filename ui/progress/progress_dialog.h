#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "framework/dialog.h"
#include "framework/worker_thread.h"

// The window a long check started with paths shows while its worker runs:
// the file being read, the figures, a bar and 中止. It polls the job's
// published progress and closes itself once the worker has finished; 中止, Esc and the
// close box ask the job to stop after its current chunk.
class CProgressDlg : public CDialog {
public:
    CProgressDlg();

    const CWorkerThread* m_pWorker = nullptr;  // the window closes once it has finished

protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enter would end the window while the job still runs.
    void OnOK() override {}
    void OnCancel() override;

private:
    void OnTimer();
    void ShowFigures();
    void SetText(int id, std::size_t shown, const std::string& text);

    std::array<std::string, 4> m_shown;  // the texts on screen, so that only a change redraws
};
