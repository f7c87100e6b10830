#include "framework/controls.h"

#include "framework/wide_path.h"

int CListBox::AddString(const std::string& line) {
    const std::wstring wide = WidenText(line);
    return static_cast<int>(
        SendMessageW(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CListBox::GetCount() const {
    return static_cast<int>(SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0));
}

std::string CListBox::GetText(int index) const {
    const LRESULT length = SendMessageW(m_hWnd, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return NarrowText(text);
}

void CListBox::ResetContent() {
    SendMessageW(m_hWnd, LB_RESETCONTENT, 0, 0);
}

void CListBox::InitStorage(std::size_t lines) {
    constexpr std::size_t kBytesPerLine = 64;
    SendMessageW(m_hWnd, LB_INITSTORAGE, lines, lines * kBytesPerLine);
}

void CListBox::SetRedraw(bool redraw) {
    SendMessageW(m_hWnd, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) {
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

HICON CStatic::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(
        SendMessageW(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
}

HICON CStatic::GetIcon() const {
    return reinterpret_cast<HICON>(SendMessageW(m_hWnd, STM_GETICON, 0, 0));
}
