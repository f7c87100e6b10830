#include "ui/drop/about_dialog.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(HWND owner) : CDialog(IDD_ABOUT, owner) {}
