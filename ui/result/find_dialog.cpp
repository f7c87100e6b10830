#include "ui/result/find_dialog.h"

#include "framework/cp932_text.h"
#include "res/resource.h"

CFindDlg::CFindDlg(HWND parent) : CDialog(IDD_FIND, parent) {}

// The last text stands selected, so that typing replaces it and Enter finds
// it again.
BOOL CFindDlg::OnInitDialog() {
    HWND edit = GetItem(IDC_FIND_TEXT);
    SetWindowTextW(edit, WidenText(m_text).c_str());
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return FALSE;
}

void CFindDlg::OnOK() {
    HWND edit = GetItem(IDC_FIND_TEXT);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    m_text = NarrowText(text);
    CDialog::OnOK();
}
