#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::wstring>;

TEST(ArgumentTextTest, DropsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentText(L"varnel.exe a.bin  b.bin"), L"a.bin  b.bin");
    EXPECT_EQ(ArgumentText(L"\"C:\\Program Files\\Varnel\\varnel.exe\" \"x y\" "), L"\"x y\" ");
    EXPECT_EQ(ArgumentText(L"\"C:\\Varnel\\varnel.exe\"a"), L"a");
    EXPECT_EQ(ArgumentText(L"varnel.exe \t a"), L"a");
}

TEST(ArgumentTextTest, NoArgumentsGiveEmptyText) {
    EXPECT_EQ(ArgumentText(L"varnel.exe"), L"");
    EXPECT_EQ(ArgumentText(L"varnel.exe   "), L"");
    EXPECT_EQ(ArgumentText(L"\"C:\\Program Files\\Varnel\\varnel.exe\""), L"");
    EXPECT_EQ(ArgumentText(L"\"unterminated name"), L"");
    EXPECT_EQ(ArgumentText(L""), L"");
}

TEST(SplitArgumentsTest, BlanksAndTabsSeparateQuotesGroup) {
    EXPECT_EQ(SplitArguments(L"a.bin   b.bin"), (Arguments{L"a.bin", L"b.bin"}));
    EXPECT_EQ(SplitArguments(L"\ta\t b "), (Arguments{L"a", L"b"}));
    EXPECT_EQ(SplitArguments(L"\"C:\\Users\\Taro Yamada\\a.zip\" b.zip"),
              (Arguments{L"C:\\Users\\Taro Yamada\\a.zip", L"b.zip"}));
    EXPECT_EQ(SplitArguments(L"C:\\Program\" \"Files\\x"), (Arguments{L"C:\\Program Files\\x"}));
    EXPECT_EQ(SplitArguments(L"\"\" x"), (Arguments{L"", L"x"}));
    EXPECT_TRUE(SplitArguments(L"   \t ").empty());
    EXPECT_TRUE(SplitArguments(L"").empty());
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(SplitArguments(L"\"a b"), (Arguments{L"a b"}));
}

// A backslash is part of a path, before a quote too; a quote never is.
TEST(SplitArgumentsTest, BackslashesStayAsTypedAndQuotesOnlyGroup) {
    EXPECT_EQ(SplitArguments(L"\"C:\\my dir\\\" x.bin"), (Arguments{L"C:\\my dir\\", L"x.bin"}));
    EXPECT_EQ(SplitArguments(L"\"D:\\\" \"E:\\\""), (Arguments{L"D:\\", L"E:\\"}));
    EXPECT_EQ(SplitArguments(L"a\\\\\\\"b c\" d"), (Arguments{L"a\\\\\\b c", L"d"}));
    EXPECT_EQ(SplitArguments(L"a\"b\"\" c d"), (Arguments{L"ab c d"}));
    EXPECT_EQ(SplitArguments(L"\\\\server\\share\\ x"), (Arguments{L"\\\\server\\share\\", L"x"}));
}

}  // namespace
