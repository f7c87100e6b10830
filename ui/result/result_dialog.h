#pragma once

#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/job_report.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/file_name.h"
#include "ui/result/report_layout.h"
#include "ui/result/report_search.h"

// The window that shows the report of a finished check. It lays the report
// out once, from the report its creator gives it (taking its messages and
// rows), keeps its size and position in the profile,
// saves the report through its system menu, and filters URL lists dropped
// on it down to the entries of the failed files. The user can copy lines,
// find text, narrow the list to the message lines and read a summary under
// it; the report itself, and what is saved, stays whole.
class CResultDlg : public CDialog {
public:
    explicit CResultDlg(HWND parent = nullptr);
    ~CResultDlg() override;

    // The report shown; the window takes its messages and rows, and filters
    // URL lists by its failed names.
    CJobReport* m_pReport = nullptr;
    // How long the check took, when the creator measured it.
    std::optional<std::chrono::milliseconds> m_took;
    CListBox m_resultList;
    CStatusBar m_statusBar;

protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Asks where to save the report; nullopt when the user cancels.
    virtual std::optional<CFileName> AskSavePath();

private:
    // The window (result_dialog.cpp).
    void AppendSaveItem();
    void FillReport();
    void ShowLines();
    void FitExtent();
    void SetWindowIcons();
    void RestoreBounds();
    SIZE FittedSize() const;
    void LayOutControls(int width, int height);
    void ScaleFont(UINT dpi);
    void StoreBounds();
    void SaveReport();
    std::string ReportFileBytes() const;

    std::optional<LRESULT> OnSize(WPARAM type, int width, int height);
    std::optional<LRESULT> OnSysCommand(WPARAM command);
    std::optional<LRESULT> OnDestroy();
    std::optional<LRESULT> OnDropFiles(HDROP drop);
    std::optional<LRESULT> OnDpiChanged(UINT dpi, const RECT& suggested);

    // Copying, finding and narrowing the view (result_tools.cpp).
    std::span<const std::string> LinesOnView() const;
    void OnContextMenu(POINT point);
    std::optional<LRESULT> OnCommand(WORD id);
    LRESULT OnVKeyToItem(WORD key);
    void CopySelection();
    void AskAndFind();
    void FindAgain(SearchDirection direction);
    void ToggleErrorsOnly();

    std::vector<std::string> m_lines;  // the whole report
    ReportTotals m_totals;
    bool m_bErrorsOnly = false;
    std::string m_findText;
    UINT m_dpi = 0;
    HFONT m_hScaledFont = nullptr;  // the dialog's font at another DPI, once it has moved
};
