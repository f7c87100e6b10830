#include "framework/tool_tip.h"

#include <commctrl.h>

#include "framework/cp932_text.h"

namespace {

// Wide enough for a file's name and the figures beside it, and a hint to
// the control that the text may hold several lines.
constexpr int kMaxTipWidth = 480;

// The one tool: the whole of owner.
TOOLINFOW ToolOf(HWND owner, std::wstring& text) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(owner);
    tool.lpszText = text.data();
    return tool;
}

}  // namespace

void CToolTip::SetText(HWND owner, std::string_view text) {
    std::wstring wide = WidenText(text);
    if (m_hWnd == nullptr || !IsWindow(m_hWnd)) {
        m_owner = owner;
        m_hWnd = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (m_hWnd == nullptr) {
            return;
        }
        const TOOLINFOW tool = ToolOf(m_owner, wide);
        SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    } else {
        const TOOLINFOW tool = ToolOf(m_owner, wide);
        SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (!m_shown) {
        SendMessageW(m_hWnd, TTM_ACTIVATE, TRUE, 0);
        m_shown = true;
    }
}

void CToolTip::Hide() {
    if (m_hWnd != nullptr && m_shown) {
        SendMessageW(m_hWnd, TTM_ACTIVATE, FALSE, 0);
        m_shown = false;
    }
}
