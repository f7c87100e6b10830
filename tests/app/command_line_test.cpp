#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

// 表 and ソ end in the byte 0x5C, the backslash.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";

TEST(ArgumentTextTest, DropsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentText("varnel.exe a.bin  b.bin"), "a.bin  b.bin");
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Varnel\\varnel.exe\" \"x y\" "), "\"x y\" ");
    EXPECT_EQ(ArgumentText("\"C:\\Varnel\\varnel.exe\"a"), "a");
    EXPECT_EQ(ArgumentText("varnel.exe \t a"), "a");
    EXPECT_EQ(ArgumentText("C:\\" + kHyou + "\\varnel.exe " + kSo), kSo);
}

TEST(ArgumentTextTest, NoArgumentsGiveEmptyText) {
    EXPECT_EQ(ArgumentText("varnel.exe"), "");
    EXPECT_EQ(ArgumentText("varnel.exe   "), "");
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Varnel\\varnel.exe\""), "");
    EXPECT_EQ(ArgumentText("\"unterminated name"), "");
    EXPECT_EQ(ArgumentText(""), "");
}

TEST(SplitArgumentsTest, BlanksAndTabsSeparateQuotesGroup) {
    EXPECT_EQ(SplitArguments("a.bin   b.bin"), (Arguments{"a.bin", "b.bin"}));
    EXPECT_EQ(SplitArguments("\ta\t b "), (Arguments{"a", "b"}));
    EXPECT_EQ(SplitArguments("\"C:\\Users\\Taro Yamada\\a.zip\" b.zip"),
              (Arguments{"C:\\Users\\Taro Yamada\\a.zip", "b.zip"}));
    EXPECT_EQ(SplitArguments("C:\\Program\" \"Files\\x"), (Arguments{"C:\\Program Files\\x"}));
    EXPECT_EQ(SplitArguments("\"\" x"), (Arguments{"", "x"}));
    EXPECT_TRUE(SplitArguments("   \t ").empty());
    EXPECT_TRUE(SplitArguments("").empty());
}

TEST(SplitArgumentsTest, BackslashesEscapeOnlyBeforeAQuote) {
    EXPECT_EQ(SplitArguments("\"ab\\\"c\" \"\\\\\" d"), (Arguments{"ab\"c", "\\", "d"}));
    EXPECT_EQ(SplitArguments("a\\\\\\b d\"e f\"g h"), (Arguments{"a\\\\\\b", "de fg", "h"}));
    EXPECT_EQ(SplitArguments("a\\\\\\\"b c d"), (Arguments{"a\\\"b", "c", "d"}));
    EXPECT_EQ(SplitArguments("a\\\\\\\\\"b c\" d e"), (Arguments{"a\\\\b c", "d", "e"}));
    EXPECT_EQ(SplitArguments("C:\\data\\ x"), (Arguments{"C:\\data\\", "x"}));
    // Two quotes inside quotes stand for one.
    EXPECT_EQ(SplitArguments("a\"b\"\" c d"), (Arguments{"ab\" c d"}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(SplitArguments("\"a b"), (Arguments{"a b"}));
}

TEST(SplitArgumentsTest, ABackslashTrailByteIsNoEscape) {
    // The quote after 表 closes the group; it is not escaped by 表's trail byte.
    EXPECT_EQ(SplitArguments("\"C:\\" + kHyou + "\" x"), (Arguments{"C:\\" + kHyou, "x"}));
    EXPECT_EQ(SplitArguments("C:\\" + kSo + "\"a b\""), (Arguments{"C:\\" + kSo + "a b"}));
    EXPECT_EQ(SplitArguments(kSo + "\\\"x"), (Arguments{kSo + "\"x"}));
    // A lead byte before a blank or at the end stands alone.
    EXPECT_EQ(SplitArguments("\x95 a \x95"), (Arguments{"\x95", "a", "\x95"}));
}

}  // namespace
