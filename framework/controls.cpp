#include "framework/controls.h"

#include <commctrl.h>

#include "framework/cp932_text.h"

HFONT CWindowRef::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
}

void CWindowRef::SetFont(HFONT font) {
    SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

int CWindowRef::TextWidth(std::string_view text) const {
    const std::wstring wide = WidenText(text);
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ previous = SelectObject(dc, GetFont());
    SIZE size = {};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(m_hWnd, dc);
    return size.cx;
}

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

int CListBox::GetItemHeight() const {
    return static_cast<int>(SendMessageW(m_hWnd, LB_GETITEMHEIGHT, 0, 0));
}

void CListBox::SetHorizontalExtent(int pixels) {
    SendMessageW(m_hWnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

int CListBox::GetHorizontalExtent() const {
    return static_cast<int>(SendMessageW(m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0));
}

std::vector<int> CListBox::GetSelectedIndexes() const {
    const LRESULT count = SendMessageW(m_hWnd, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) {
        return {};
    }
    std::vector<int> indexes(static_cast<std::size_t>(count));
    const LRESULT got = SendMessageW(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(indexes.data()));
    indexes.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return indexes;
}

void CListBox::SelectAll() {
    SendMessageW(m_hWnd, LB_SETSEL, TRUE, -1);
}

void CListBox::SelectOnly(int index) {
    SendMessageW(m_hWnd, LB_SETSEL, FALSE, -1);
    SendMessageW(m_hWnd, LB_SETSEL, TRUE, index);
    SendMessageW(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

int CListBox::GetCaretIndex() const {
    return static_cast<int>(SendMessageW(m_hWnd, LB_GETCARETINDEX, 0, 0));
}

bool CStatusBar::Create(HWND parent, int id) {
    m_hWnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                             0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    return m_hWnd != nullptr;
}

void CStatusBar::SetText(std::string_view text) {
    SendMessageW(m_hWnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(WidenText(text).c_str()));
}

std::string CStatusBar::GetText() const {
    const auto length = LOWORD(SendMessageW(m_hWnd, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(m_hWnd, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return NarrowText(text);
}

void CStatusBar::FollowParent() {
    SendMessageW(m_hWnd, WM_SIZE, 0, 0);
}

int CStatusBar::Height() const {
    RECT rect = {};
    GetWindowRect(m_hWnd, &rect);
    return rect.bottom - rect.top;
}

HICON CStatic::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(
        SendMessageW(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
}
