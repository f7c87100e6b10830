#include "app/drop_mode.h"

#include "app/run_check.h"
#include "ui/drop/drop_dialog.h"
#include "ui/result/job_result.h"

void RunDropWindow() {
    CJobReport report;
    CDropDlg window(report);
    window.m_check = RunCheck;
    window.m_showResults = ShowJobResult;
    window.DoModal();
}
