#include "app/drop_mode.h"

#include "ui/drop/drop_dialog.h"

void RunDropWindow() {
    CJobReport report;
    CDropDlg window(report);
    window.DoModal();
}
