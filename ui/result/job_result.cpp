#include "ui/result/job_result.h"

#include "ui/result/result_dialog.h"

void ShowJobResult(HWND parent, CJobReport& report, JobDuration took) {
    CResultDlg dialog(parent);
    dialog.m_pReport = &report;
    dialog.m_took = took;
    dialog.DoModal();
}
