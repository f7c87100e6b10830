#include "ui/result/job_result.h"

#include "engine/job_state.h"
#include "ui/result/result_dialog.h"

void ShowJobResult(HWND parent, JobDuration took) {
    CResultDlg dialog(parent);
    dialog.m_pMessageList = &g_messageList;
    dialog.m_pNameList = &g_nameList;
    dialog.m_pSizeList = &g_sizeList;
    dialog.m_pCrcList = &g_crcList;
    dialog.m_took = took;
    dialog.DoModal();
}
