// What the user does with the report in the result window: copy lines,
// find text, and narrow the list to the message lines. The report itself
// stays whole; only the list shows less of it.

#include "ui/result/result_dialog.h"

#include "framework/application_name.h"
#include "framework/clipboard.h"
#include "framework/context_menu.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "ui/result/find_dialog.h"

namespace {

// What a list box's owner answers to WM_VKEYTOITEM.
constexpr LRESULT kKeyHandled = -2;
constexpr LRESULT kKeyDefault = -1;

bool IsKeyDown(int key) {
    return GetKeyState(key) < 0;
}

std::string NotFoundMessage(const std::string& text) {
    return "「" + text + "」は見つかりませんでした。";
}

}  // namespace

// The message lines come first in the report, so the narrowed list is the
// report's beginning and a list index is a report index either way.
std::span<const std::string> CResultDlg::LinesOnView() const {
    const std::span<const std::string> lines(m_lines);
    return m_bErrorsOnly ? lines.first(std::min(m_totals.messageLines, lines.size())) : lines;
}

void CResultDlg::OnContextMenu(POINT point) {
    point = ContextMenuPoint(m_resultList.GetSafeHwnd(), point);
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_RESULT_MENU));
    if (menu == nullptr) {
        return;
    }
    HMENU popup = GetSubMenu(menu, 0);
    CheckMenuItem(popup, ID_RESULT_ERRORS_ONLY,
                  MF_BYCOMMAND | (m_bErrorsOnly ? MF_CHECKED : MF_UNCHECKED));
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

std::optional<LRESULT> CResultDlg::OnCommand(WORD id) {
    switch (id) {
        case ID_RESULT_COPY:
            CopySelection();
            return 0;
        case ID_RESULT_SELECT_ALL:
            m_resultList.SelectAll();
            return 0;
        case ID_RESULT_FIND:
            AskAndFind();
            return 0;
        case ID_RESULT_ERRORS_ONLY:
            ToggleErrorsOnly();
            return 0;
    }
    return std::nullopt;
}

// The list box has the focus and hands its keys here first.
LRESULT CResultDlg::OnVKeyToItem(WORD key) {
    const bool control = IsKeyDown(VK_CONTROL);
    if (control && key == 'C') {
        CopySelection();
    } else if (control && key == 'A') {
        m_resultList.SelectAll();
    } else if (control && key == 'F') {
        AskAndFind();
    } else if (key == VK_F3) {
        FindAgain(IsKeyDown(VK_SHIFT) ? SearchDirection::Previous : SearchDirection::Next);
    } else {
        return kKeyDefault;
    }
    return kKeyHandled;
}

void CResultDlg::CopySelection() {
    const std::span<const std::string> lines = LinesOnView();
    std::vector<std::string> selected;
    for (int index : m_resultList.GetSelectedIndexes()) {
        selected.push_back(lines[static_cast<std::size_t>(index)]);
    }
    if (!selected.empty()) {
        CopyTextToClipboard(m_hWnd, ReportText(selected));
    }
}

void CResultDlg::AskAndFind() {
    CFindDlg find(m_hWnd);
    find.m_text = m_findText;
    if (find.DoModal() != IDOK || find.m_text.empty()) {
        return;
    }
    m_findText = find.m_text;
    FindAgain(SearchDirection::Next);
}

// From the line with the caret while one is selected, else from the end.
void CResultDlg::FindAgain(SearchDirection direction) {
    if (m_findText.empty()) {
        AskAndFind();
        return;
    }
    std::optional<std::size_t> current;
    if (!m_resultList.GetSelectedIndexes().empty() && m_resultList.GetCaretIndex() >= 0) {
        current = static_cast<std::size_t>(m_resultList.GetCaretIndex());
    }
    const std::optional<std::size_t> found =
        FindReportLine(LinesOnView(), m_findText, current, direction);
    if (!found) {
        ShowMessageBox(m_hWnd, NotFoundMessage(m_findText), ApplicationName().Text(),
                       MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_resultList.SelectOnly(static_cast<int>(*found));
}

void CResultDlg::ToggleErrorsOnly() {
    m_bErrorsOnly = !m_bErrorsOnly;
    ShowLines();
}
