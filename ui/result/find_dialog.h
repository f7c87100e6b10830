#pragma once

#include <windows.h>

#include <string>

#include "framework/dialog.h"

// The result window's find box: asks for the text to find, offering the
// last one. Ends with IDOK and the text typed, or IDCANCEL.
class CFindDlg : public CDialog {
public:
    explicit CFindDlg(HWND parent);

    std::string m_text;  // code page 932

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
