#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "framework/containers.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/file_name.h"

// The window that shows the report of a finished check. It lays the report
// out once, from the four job-state lists its creator points it at (and
// empties them doing so), keeps its size and position in the profile,
// saves the report through its system menu, and filters URL lists dropped
// on it down to the entries of the failed files.
class CResultDlg : public CDialog {
public:
    explicit CResultDlg(HWND parent = nullptr);

    CStringList* m_pMessageList = nullptr;
    CStringList* m_pNameList = nullptr;
    CSizeList* m_pSizeList = nullptr;
    CCrcList* m_pCrcList = nullptr;
    CListBox m_resultList;

protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Asks where to save the report; nullopt when the user cancels.
    virtual std::optional<CFileName> AskSavePath();

private:
    void AppendSaveItem();
    void FillReport();
    void SetWindowIcons();
    void RestoreBounds();
    void FitListToClient(int width, int height);
    void StoreBounds();
    void SaveReport();
    std::string ReportFileBytes() const;

    std::optional<LRESULT> OnSize(WPARAM type, int width, int height);
    std::optional<LRESULT> OnSysCommand(WPARAM command);
    std::optional<LRESULT> OnDestroy();
    std::optional<LRESULT> OnDropFiles(HDROP drop);
};
