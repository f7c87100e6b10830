#include "app/drop_mode.h"

#include "ui/drop/drop_dialog.h"

void RunDropWindow() {
    CDropDlg window;
    window.DoModal();
}
