#include "ui/result/url_list_drop.h"

#include <new>
#include <optional>
#include <string>

#include "framework/cp932_text.h"
#include "framework/dropped_files.h"
#include "framework/file_io.h"
#include "framework/message_box.h"
#include "framework/unicode_text.h"
#include "lists/list_encoding.h"
#include "ui/result/url_list.h"

namespace {

constexpr char kCaption[] = "URL抽出:エラー";
constexpr char kCannotRead[] = "URLリストが読み込めません。";
constexpr char kCannotWrite[] = "URLリストが書き込めません。";
constexpr char kNoMemory[] = "URLリストを抽出するメモリが足りません。";

void ShowError(HWND window, const char* text) {
    ShowMessageBox(window, text, kCaption, MB_ICONERROR | MB_OK);
}

// Escapes in a code page 932 list spell UTF-8, as browsers write them; a
// character code page 932 cannot write names no file of the list.
std::string Utf8AsCp932(std::string_view utf8) {
    bool lossy = false;
    const std::string text = NarrowText(Utf8ToWide(utf8), &lossy);
    return lossy ? std::string(utf8) : text;
}

// A list saved with a byte-order mark (UTF-8, or UTF-16 as Notepad's
// "Unicode") is filtered in its own encoding: the failed names are turned
// into it, and the extract is written in it, the same mark first.
std::string ExtractInListEncoding(UrlListFormat format, const std::string& bytes,
                                  const CStringList& failedNames) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    const bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
    if (encoding != TextEncoding::Utf8 && !utf16) {
        return ExtractUrlList(format, bytes, failedNames, {Utf8AsCp932, true});
    }
    const bool bigEndian = encoding == TextEncoding::Utf16Be;
    const std::string_view text = WithoutByteOrderMark(bytes, encoding);
    const std::string utf8 = utf16 ? WideToUtf8(Utf16ToWide(text, bigEndian)) : std::string(text);
    CStringList names;
    for (const std::string& name : failedNames) {
        names.AddTail(WideToUtf8(WidenText(name)));
    }
    const std::string extract = ExtractUrlList(format, utf8, names, {nullptr, false});
    const std::string mark = bytes.substr(0, bytes.size() - text.size());
    return mark + (utf16 ? WideToUtf16(Utf8ToWide(extract), bigEndian) : extract);
}

// An unreadable list leaves an earlier extract as it was; an extract is
// replaced only by a complete new one.
void ExtractUrlListFile(HWND window, const CFileName& listPath, const CStringList& failedNames) {
    const UrlListFormat format = UrlListFormatOf(listPath.Text());
    if (format == UrlListFormat::Unknown) {
        return;
    }
    const std::optional<std::string> list = ReadWholeFile(listPath);
    if (!list) {
        ShowError(window, kCannotRead);
        return;
    }
    const CFileName extractPath(UrlExtractPath(listPath.Real()));
    if (!FitsPathLimit(extractPath) ||
        !WriteFileAtomically(extractPath, ExtractInListEncoding(format, *list, failedNames))) {
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

void ExtractUrlListFromDrop(HWND window, HDROP drop, const CStringList& failedNames) {
    if (failedNames.IsEmpty()) {
        DragFinish(drop);
        return;
    }
    const CDropsRefused refused(window, drop);
    // The extract may need as much memory again as the list: a list too
    // large for what is left ends the extraction with a box, never in silence.
    try {
        ExtractUrlListFile(window, DroppedFileName(drop, 0), failedNames);
    } catch (const std::bad_alloc&) {
        ShowError(window, kNoMemory);
    }
}
