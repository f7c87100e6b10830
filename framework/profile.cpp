#include "framework/profile.h"

#include <shlobj.h>
#include <windows.h>

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "framework/application_name.h"
#include "framework/cp932.h"
#include "framework/file_io.h"
#include "framework/ini_text.h"
#include "framework/message_box.h"

namespace {

constexpr char kUnusable[] =
    "設定ファイルに書き込めません。設定は保存されず、既定の設定で続けます。";

CFileName g_overridePath;
// The profile's trouble is told once a run: every later write fails alike.
bool g_unusableTold = false;

CFileName ApplicationDataFolder() {
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                         folder) != S_OK) {
        return {};
    }
    return CFileName(folder);
}

// Section and key names are ASCII.
std::wstring Widened(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

void TellUnusableOnce(const CFileName& path) {
    if (!g_unusableTold) {
        g_unusableTold = true;
        ShowMessageBox(GetActiveWindow(), path.Text() + "\n" + kUnusable, ApplicationName().Text(),
                       MB_ICONWARNING | MB_OK);
    }
}

}  // namespace

CFileName ProfilePath() {
    if (!g_overridePath.IsEmpty()) {
        return g_overridePath;
    }
    const std::wstring fileName = ApplicationName().Real() + L".INI";
    const CFileName appData = ApplicationDataFolder();
    if (appData.IsEmpty()) {
        // Without a user folder the profile falls back to the platform's place.
        return CFileName(fileName);
    }
    const CFileName folder = appData.Child(L"Varnel");
    CreateDirectoryW(folder.SystemPath().c_str(), nullptr);
    return folder.Child(fileName);
}

void SetProfilePathForTesting(const std::string& path) {
    g_overridePath = CFileName::FromText(path);
    g_unusableTold = false;
}

// Read as text: GetPrivateProfileInt is documented to turn negative values
// into 0, and a window left of or above the primary screen has them.
int ReadProfileInt(const char* section, const char* key, int defaultValue) {
    wchar_t text[32];
    const DWORD length =
        GetPrivateProfileStringW(Widened(section).c_str(), Widened(key).c_str(), L"", text,
                                 std::size(text), ProfilePath().SystemPath().c_str());
    std::string digits;
    for (DWORD i = 0; i < length; ++i) {
        digits += text[i] < 0x80 ? static_cast<char>(text[i]) : '?';
    }
    const std::string_view value = TrimAsciiSpace(digits);
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return (error == std::errc() && end != value.data()) ? number : defaultValue;
}

// Written as a whole new file that takes the profile's place (see
// WriteFileAtomically), not by the system's profile functions: they empty
// the file before writing it again, and write through a link into the file
// it leads to.
bool WriteProfileInt(const char* section, const char* key, int value) {
    const CFileName path = ProfilePath();
    const bool exists = GetFileAttributesW(path.SystemPath().c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::optional<std::string> text = exists ? ReadWholeFile(path) : std::string();
    if (text &&
        WriteFileAtomically(path, SetIniValue(*text, section, key, std::to_string(value)))) {
        return true;
    }
    TellUnusableOnce(path);
    return false;
}
