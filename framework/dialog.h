#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

// A dialog built from a resource template, a Unicode window: the program's
// code page 932 text reaches it converted by the program, never through the
// process's ANSI code page. One static procedure keeps the object in
// DWLP_USER from WM_INITDIALOG on and forwards every later message to it;
// no exception crosses back into Windows. Derived classes handle the
// messages they care about in OnMessage, a switch whose cases each call one
// small named handler, and leave the rest to the dialog's default handling.
class CDialog {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; returns the value given to EndDialog.
    INT_PTR DoModal();
    // Creates the dialog without a modal loop of its own (embedding, tests);
    // EndDialog then destroys the window.
    bool Create();

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetItem(int id) const { return GetDlgItem(m_hWnd, id); }
    void EndDialog(INT_PTR result);
    void SetCaption(std::string_view text);
    // A separator and the item below the system menu's own; nothing for an
    // empty text.
    void AppendSystemMenuItem(UINT id, std::string_view text);

protected:
    // After the window and its controls exist. Returns TRUE to let the
    // dialog give the focus to its first control.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A message the dialog handles itself: its result, or nullopt for the
    // default handling.
    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Enter (IDOK) and Esc or the close box (IDCANCEL) end the dialog.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Deliver(UINT message, LRESULT result);

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
};
