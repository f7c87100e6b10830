#include "framework/controls.h"

int CListBox::AddString(const std::string& line) {
    return static_cast<int>(
        SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())));
}

int CListBox::GetCount() const {
    return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

std::string CListBox::GetText(int index) const {
    const LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void CListBox::ResetContent() {
    SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

void CListBox::InitStorage(std::size_t lines) {
    constexpr std::size_t kBytesPerLine = 64;
    SendMessageA(m_hWnd, LB_INITSTORAGE, lines, lines * kBytesPerLine);
}

void CListBox::SetRedraw(bool redraw) {
    SendMessageA(m_hWnd, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) {
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

HICON CStatic::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(
        SendMessageA(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
}

HICON CStatic::GetIcon() const {
    return reinterpret_cast<HICON>(SendMessageA(m_hWnd, STM_GETICON, 0, 0));
}
