#include "framework/profile.h"

#include <shlobj.h>
#include <windows.h>

#include <charconv>
#include <string>
#include <string_view>

#include "framework/application_name.h"
#include "framework/cp932.h"
#include "framework/file_system/file_io.h"
#include "framework/file_system/file_kind.h"
#include "framework/file_system/file_save.h"
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
    CreateFolder(folder);
    return folder.Child(fileName);
}

void SetProfilePathForTesting(const std::string& path) {
    g_overridePath = CFileName::FromText(path);
    g_unusableTold = false;
}

// Read as text: GetPrivateProfileInt is documented to turn negative values
// into 0, and a window left of or above the primary screen has them.
int ReadProfileInt(const char* section, const char* key, int defaultValue) {
    constexpr std::size_t kLongestValue = 32;
    const std::wstring text =
        ReadIniValue(ProfilePath(), Widened(section), Widened(key), kLongestValue);
    std::string digits;
    for (const wchar_t c : text) {
        digits += c < 0x80 ? static_cast<char>(c) : '?';
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
    const WholeFile text =
        Exists(path) ? ReadWholeFile(path, kAnyFileSize) : WholeFile{FileRead::Read, std::string()};
    if (text.status == FileRead::Read &&
        WriteFileAtomically(path, SetIniValue(text.bytes, section, key, std::to_string(value)))) {
        return true;
    }
    TellUnusableOnce(path);
    return false;
}
