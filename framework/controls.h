#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Thin wrappers over a dialog's controls, bound to the control's window once
// the dialog exists.
class CWindowRef {
public:
    void Attach(HWND window) { m_hWnd = window; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
    HFONT GetFont() const;
    void SetFont(HFONT font);
    // The width in pixels of text drawn in the control's font.
    int TextWidth(std::string_view text) const;

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
    int GetItemHeight() const;
    // How far the lines scroll sideways, in pixels; 0 for not at all.
    void SetHorizontalExtent(int pixels);
    int GetHorizontalExtent() const;

    // Lines selected in a list box of several selections, in order.
    std::vector<int> GetSelectedIndexes() const;
    void SelectAll();
    // Selects the line alone, makes it the caret and scrolls it into view.
    void SelectOnly(int index);
    // The line with the caret (the focus rectangle), or -1.
    int GetCaretIndex() const;
};

// A status bar along the bottom of its parent, with a sizing grip; text in
// code page 932.
class CStatusBar : public CWindowRef {
public:
    bool Create(HWND parent, int id);
    void SetText(std::string_view text);
    std::string GetText() const;
    // Places itself along the parent's bottom again, after the parent's size
    // has changed.
    void FollowParent();
    int Height() const;
};

class CStatic : public CWindowRef {
public:
    // Shows icon in an SS_ICON control; returns the icon shown before.
    HICON SetIcon(HICON icon);
};
