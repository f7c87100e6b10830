#pragma once

#include <windows.h>

#include "framework/dialog.h"

// The About box: the program's name, version and what it does.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND owner = nullptr);
};
