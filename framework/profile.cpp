#include "framework/profile.h"

#include <shlobj.h>
#include <windows.h>

#include <charconv>
#include <string>
#include <string_view>

#include "framework/application_name.h"
#include "framework/cp932.h"

namespace {

std::string g_overridePath;

std::string ApplicationDataFolder() {
    char folder[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                         folder) != S_OK) {
        return {};
    }
    return folder;
}

}  // namespace

std::string ProfilePath() {
    if (!g_overridePath.empty()) {
        return g_overridePath;
    }
    const std::string appData = ApplicationDataFolder();
    if (appData.empty()) {
        // Without a user folder the profile falls back to the platform's place.
        return ApplicationName() + ".INI";
    }
    const std::string folder = appData + "\\Varnel";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\" + ApplicationName() + ".INI";
}

void SetProfilePathForTesting(const std::string& path) {
    g_overridePath = path;
}

// Read as text: GetPrivateProfileIntA is documented to turn negative values
// into 0, and a window left of or above the primary screen has them.
int ReadProfileInt(const char* section, const char* key, int defaultValue) {
    char text[32];
    const DWORD length =
        GetPrivateProfileStringA(section, key, "", text, sizeof text, ProfilePath().c_str());
    const std::string_view value = TrimAsciiSpace(std::string_view(text, length));
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return (error == std::errc() && end != value.data()) ? number : defaultValue;
}

bool WriteProfileInt(const char* section, const char* key, int value) {
    return WritePrivateProfileStringA(section, key, std::to_string(value).c_str(),
                                      ProfilePath().c_str()) != FALSE;
}
