#include "framework/profile.h"

#include <windows.h>

#include <gtest/gtest.h>

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
    const std::string path = ProfilePath();
    EXPECT_NE(path.find("\\Varnel\\"), std::string::npos) << path;
    EXPECT_EQ(path.substr(path.size() - 4), ".INI");
}

}  // namespace
