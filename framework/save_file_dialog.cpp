#include "framework/save_file_dialog.h"

#include <algorithm>
#include <vector>

#include "framework/cp932_text.h"

namespace {

// Room for the longest path the file functions accept.
constexpr DWORD kFileBufferSize = 32768;

}  // namespace

std::wstring CommonDialogFilter(std::string_view filter) {
    std::wstring converted = WidenText(filter);
    std::replace(converted.begin(), converted.end(), L'|', L'\0');
    return converted;
}

std::optional<CFileName> AskSaveFileName(HWND owner, std::string_view filter,
                                         const wchar_t* defaultExtension, DWORD flags) {
    const std::wstring dialogFilter = CommonDialogFilter(filter) + std::wstring(2, L'\0');
    std::vector<wchar_t> file(kFileBufferSize, L'\0');
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = dialogFilter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = kFileBufferSize;
    request.lpstrDefExt = defaultExtension;
    request.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!GetSaveFileNameW(&request)) {
        return std::nullopt;
    }
    return CFileName(std::wstring(file.data()));
}
