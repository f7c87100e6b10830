#include "framework/profile.h"

#include <shlobj.h>
#include <windows.h>

#include <charconv>
#include <string>
#include <string_view>

#include "framework/application_name.h"
#include "framework/cp932.h"

namespace {

CFileName g_overridePath;

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

bool WriteProfileInt(const char* section, const char* key, int value) {
    return WritePrivateProfileStringW(Widened(section).c_str(), Widened(key).c_str(),
                                      std::to_wstring(value).c_str(),
                                      ProfilePath().SystemPath().c_str()) != FALSE;
}
