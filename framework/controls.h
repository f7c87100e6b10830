#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Thin wrappers over a dialog's controls, bound to the control's window once
// the dialog exists.
class CWindowRef {
public:
    void Attach(HWND window) { m_hWnd = window; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

protected:
    HWND m_hWnd = nullptr;
};

// Lines are code page 932 text, held by the list box in UTF-16.
class CListBox : public CWindowRef {
public:
    // Appends a line; returns its index, or a negative value on failure.
    int AddString(const std::string& line);
    int GetCount() const;
    // The line at index, or an empty string past the end.
    std::string GetText(int index) const;
    void ResetContent();
    // Reserves room for that many more lines before they are added.
    void InitStorage(std::size_t lines);
    // Switches redrawing off while many lines are added, and back on.
    void SetRedraw(bool redraw);
};

class CStatic : public CWindowRef {
public:
    // Shows icon in an SS_ICON control; returns the icon shown before.
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
};
