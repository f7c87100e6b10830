#pragma once

#include <windows.h>

#include <string_view>

// A tooltip over a whole window: its text shows while the pointer rests on
// the window, and may change while it shows. The tooltip goes with the
// window it belongs to.
class CToolTip {
public:
    // Shows text (code page 932, lines apart by CR LF) over owner from now
    // on; the tooltip is made at the first call.
    void SetText(HWND owner, std::string_view text);
    // Shows nothing until the next SetText.
    void Hide();

private:
    HWND m_hWnd = nullptr;
    HWND m_owner = nullptr;
    bool m_shown = false;
};
