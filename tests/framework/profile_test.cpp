#include "framework/profile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/cp932_text.h"
#include "tests/support/test_files.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { SetProfilePathForTesting(folder.PathOf("VARNEL.INI")); }
    void TearDown() override { SetProfilePathForTesting(""); }
    TestFolder folder;
};

TEST_F(ProfileTest, IntegersRoundTripAsDecimalText) {
    EXPECT_EQ(ReadProfileInt("Window", "WindowX", 321), 321);
    ASSERT_TRUE(WriteProfileInt("Window", "WindowX", 40));
    ASSERT_TRUE(WriteProfileInt("Window", "WindowY", -8));
    EXPECT_EQ(ReadProfileInt("Window", "WindowX", 321), 40);
    EXPECT_EQ(ReadProfileInt("Window", "WindowY", 0), -8);
    const std::string text = ReadFileBytes(folder.PathOf("VARNEL.INI"));
    EXPECT_NE(text.find("[Window]"), std::string::npos);
    EXPECT_NE(text.find("WindowX=40"), std::string::npos);
    EXPECT_NE(text.find("WindowY=-8"), std::string::npos);
}

TEST_F(ProfileTest, TextThatIsNoNumberReadsAsTheDefault) {
    WritePrivateProfileStringA("Result", "Width", "wide", folder.PathOf("VARNEL.INI").c_str());
    EXPECT_EQ(ReadProfileInt("Result", "Width", 100), 100);
}

TEST(ProfileLocationTest, LivesUnderTheUsersApplicationData) {
    const std::string path = ProfilePath().Text();
    EXPECT_NE(path.find("\\Varnel\\"), std::string::npos) << path;
    EXPECT_EQ(path.substr(path.size() - 4), ".INI");
}

// The user's application data in a folder named beyond code page 932, as
// the shell finds it: settings are kept there all the same.
TEST(ProfileLocationTest, PersistsUnderAFolderNamedBeyondCodePage932) {
    const TestFolder folder;
    const std::wstring appData = WidenText(folder.Path()) + L"\\\u5199\u771F\U00020BB7";
    CreateDirectoryW(appData.c_str(), nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                      0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key),
        ERROR_SUCCESS);
    std::vector<BYTE> earlier(4096);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(earlier.size());
    ASSERT_EQ(RegQueryValueExW(key, L"AppData", nullptr, &type, earlier.data(), &size),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(appData.c_str()),
                   static_cast<DWORD>((appData.size() + 1) * sizeof(wchar_t)));
    const bool written = WriteProfileInt("Window", "WindowX", 77);
    const int read = ReadProfileInt("Window", "WindowX", 0);
    const std::wstring path = ProfilePath().Real();
    RegSetValueExW(key, L"AppData", 0, type, earlier.data(), size);
    RegCloseKey(key);
    EXPECT_TRUE(written);
    EXPECT_EQ(read, 77);
    EXPECT_EQ(path.rfind(appData + L"\\Varnel\\framework_win_tests.INI", 0), 0u);
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
