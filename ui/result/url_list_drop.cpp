#include "ui/result/url_list_drop.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/job_state.h"
#include "framework/file_io.h"
#include "framework/message_box.h"
#include "ui/result/url_list.h"

namespace {

constexpr char kCaption[] = "URL抽出:エラー";
constexpr char kCannotRead[] = "URLリストが読み込めません。";
constexpr char kCannotWrite[] = "URLリストが書き込めません。";

void ShowError(HWND window, const char* text) {
    ShowMessageBox(window, text, kCaption, MB_ICONERROR | MB_OK);
}

std::string FirstDroppedFile(HDROP drop) {
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    if (length == 0) {
        return {};
    }
    std::vector<char> name(length + 1, '\0');
    const UINT copied = DragQueryFileA(drop, 0, name.data(), length + 1);
    return std::string(name.data(), copied);
}

// An unreadable list leaves an earlier extract as it was; an extract is
// replaced only by a complete new one.
void ExtractUrlListFile(HWND window, const std::string& listPath) {
    const UrlListFormat format = UrlListFormatOf(listPath);
    if (format == UrlListFormat::Unknown) {
        return;
    }
    const std::optional<std::string> list = ReadWholeFile(listPath);
    if (!list) {
        ShowError(window, kCannotRead);
        return;
    }
    const std::string extractPath = UrlExtractPath(listPath);
    if (!FitsPathLimit(extractPath) ||
        !WriteFileAtomically(extractPath, ExtractUrlList(format, *list, g_failedList))) {
        ShowError(window, kCannotWrite);
    }
}

// Drops stay refused while a list is handled, an error box included, and
// are accepted again however the handling ends.
class CDropsRefused {
public:
    CDropsRefused(HWND window, HDROP drop) : m_window(window), m_drop(drop) {
        DragAcceptFiles(m_window, FALSE);
    }
    ~CDropsRefused() {
        DragFinish(m_drop);
        DragAcceptFiles(m_window, TRUE);
    }
    CDropsRefused(const CDropsRefused&) = delete;
    CDropsRefused& operator=(const CDropsRefused&) = delete;

private:
    HWND m_window;
    HDROP m_drop;
};

}  // namespace

void ExtractUrlListFromDrop(HWND window, HDROP drop) {
    if (g_failedList.IsEmpty()) {
        DragFinish(drop);
        return;
    }
    const CDropsRefused refused(window, drop);
    ExtractUrlListFile(window, FirstDroppedFile(drop));
}
