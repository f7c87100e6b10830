#include "framework/save_file_dialog.h"

#include <vector>

#include "framework/cp932.h"

namespace {

// Room for the longest path the file functions accept.
constexpr DWORD kFileBufferSize = 32768;

}  // namespace

std::string CommonDialogFilter(std::string_view filter) {
    std::string converted(filter);
    for (std::size_t i = 0; i < converted.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(converted[i]))) {
            ++i;
        } else if (converted[i] == '|') {
            converted[i] = '\0';
        }
    }
    return converted;
}

std::optional<std::string> AskSaveFileName(HWND owner, std::string_view filter,
                                           const char* defaultExtension, DWORD flags) {
    const std::string dialogFilter = CommonDialogFilter(filter) + std::string(2, '\0');
    std::vector<char> file(kFileBufferSize, '\0');
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = dialogFilter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = kFileBufferSize;
    request.lpstrDefExt = defaultExtension;
    request.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!GetSaveFileNameA(&request)) {
        return std::nullopt;
    }
    return std::string(file.data());
}
