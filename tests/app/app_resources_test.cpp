#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// Every test program carries the program's resources, manifest included.
std::vector<char> OwnVersionInfo() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path, &ignored));
    if (data.empty() ||
        !GetFileVersionInfoA(path, 0, static_cast<DWORD>(data.size()), data.data())) {
        data.clear();
    }
    return data;
}

std::string VersionString(std::vector<char>& data, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\041104B0\\" + name;
    if (!VerQueryValueA(data.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return static_cast<const char*>(value);
}

TEST(AppResourcesTest, VersionInformationDescribesTheProgramInJapanese) {
    std::vector<char> data = OwnVersionInfo();
    ASSERT_FALSE(data.empty());
    // "CRC-16 チェックサムの計算と照合" in code page 932.
    EXPECT_EQ(VersionString(data, "FileDescription"),
              "CRC-16 \x83\x60\x83\x46\x83\x62\x83\x4E\x83\x54\x83\x80\x82\xCC\x8C\x76\x8E\x5A"
              "\x82\xC6\x8F\xC6\x8D\x87");
    EXPECT_EQ(VersionString(data, "ProductName"), "Varnel");

    void* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", &fixed, &length));
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    const std::string numbers = std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(info->dwFileVersionLS));
    EXPECT_EQ(VersionString(data, "FileVersion"), numbers);
    EXPECT_EQ(VersionString(data, "ProductVersion"), numbers);
    EXPECT_EQ(info->dwProductVersionMS, info->dwFileVersionMS);
}

// The manifest asks for Common Controls 6, which come from the side-by-side
// store rather than the system folder.
TEST(AppResourcesTest, TheManifestBringsTheVisualStylesCommonControls) {
    const HMODULE controls = LoadLibraryA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls, path, sizeof path);
    std::string lower = path;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_NE(lower.find("common-controls_6595b64144ccf1df_6.0."), std::string::npos) << path;
}

}  // namespace
