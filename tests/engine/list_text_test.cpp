#include "engine/list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const CStringList& list) {
    return {list.begin(), list.end()};
}
using Expected = std::vector<std::string>;

TEST(ListLinesTest, EveryConventionOfLineEndsGivesTheSameLines) {
    const Expected lines{"a.bin, 6F91, 9", "b.bin, 0000, 5"};
    for (const char* text : {
             "a.bin, 6F91, 9\r\nb.bin, 0000, 5\r\n",      // CR LF
             "a.bin, 6F91, 9\r\nb.bin, 0000, 5\r\n\r\n",  // CR LF, a blank line after
             "a.bin, 6F91, 9\r\n\r\nb.bin, 0000, 5",      // a blank line, no last line end
             "a.bin, 6F91, 9\nb.bin, 0000, 5\n",          // LF
             "a.bin, 6F91, 9\n\rb.bin, 0000, 5\n\r",      // LF CR
             "\r\n\na.bin, 6F91, 9\rb.bin, 0000, 5",      // CR, after blank lines
         }) {
        EXPECT_EQ(Lines(CrcListLines(text)), lines) << text;
        EXPECT_EQ(Lines(TextListLines(text)), lines) << text;
    }
    // Nothing is trimmed; a line of blanks is a line, for the readers to skip.
    EXPECT_EQ(Lines(CrcListLines("  a \t\r\n \r\n")), (Expected{"  a \t", " "}));
    EXPECT_TRUE(CrcListLines("").IsEmpty());
    EXPECT_TRUE(CrcListLines("\r\n\n\r\r").IsEmpty());
}

TEST(ListLinesTest, CtrlZEndsTextListsOnly) {
    const std::string bytes =
        "a\r\nb\x1A"
        "c\r\nd";
    EXPECT_EQ(Lines(TextListLines(bytes)), (Expected{"a", "b"}));
    EXPECT_EQ(Lines(CrcListLines(bytes)), (Expected{"a",
                                                    "b\x1A"
                                                    "c",
                                                    "d"}));
}

TEST(ListLinesTest, DoubleByteTextPassesUnchanged) {
    // 表 and ソ end in 0x5C; the line cut never looks inside a character.
    EXPECT_EQ(Lines(TextListLines("\x95\x5C\r\n\x83\x5C")), (Expected{"\x95\x5C", "\x83\x5C"}));
}

TEST(ListLinesTest, Sfv32IsTheMarkerInTheFirstNonEmptyLine) {
    EXPECT_TRUE(IsSfv32List(TextListLines("\r\n\r\n; made by WIN-SFV32 v1\r\na.bin 12345678\r\n")));
    EXPECT_FALSE(IsSfv32List(TextListLines("\r\nfirst\r\nWIN-SFV32\r\n")));
    EXPECT_FALSE(IsSfv32List(TextListLines("; win-sfv32\r\n")));  // byte for byte
    EXPECT_FALSE(IsSfv32List(TextListLines("")));
}

TEST(ListLinesTest, ColumnListsBeginWithFileNameExactly) {
    EXPECT_TRUE(IsColumnList("FileName"));
    EXPECT_TRUE(IsColumnList("FileName       CRC   Size\r\n"));
    EXPECT_FALSE(IsColumnList("filename  CRC\r\n"));
    EXPECT_FALSE(IsColumnList("FileNam"));
    EXPECT_FALSE(IsColumnList(" FileName"));
    EXPECT_FALSE(IsColumnList(""));
}

}  // namespace
