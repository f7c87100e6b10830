#include "engine/list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const CStringList& list) {
    return {list.begin(), list.end()};
}
using Expected = std::vector<std::string>;

TEST(TextListLinesTest, ReadsLikeTextModeAndEndsEveryLineAtLf) {
    // CR LF is one line break, a lone CR stays part of its line.
    EXPECT_EQ(Lines(TextListLines("a\r\nb\rc\r\n")), (Expected{"a", "b\rc", ""}));
    // Without a final line break no empty last line appears.
    EXPECT_EQ(Lines(TextListLines("a\nb")), (Expected{"a", "b"}));
    // Ctrl-Z ends the text; what follows it is never read.
    EXPECT_EQ(Lines(TextListLines("a\r\nb\x1A"
                                  "c\r\nd\r\n")),
              (Expected{"a", "b"}));
    EXPECT_EQ(Lines(TextListLines("a\r\n\x1A")), (Expected{"a", ""}));
}

TEST(TextListLinesTest, EmptyLinesAtTheHeadAreRemovedOthersStay) {
    EXPECT_EQ(Lines(TextListLines("\r\n\n\r\nx\r\n\r\ny")), (Expected{"x", "", "y"}));
    // A blank line of spaces is not empty.
    EXPECT_EQ(Lines(TextListLines("\n  \nx")), (Expected{"  ", "x"}));
    EXPECT_TRUE(TextListLines("").IsEmpty());
    EXPECT_TRUE(TextListLines("\r\n\r\n\n").IsEmpty());
    EXPECT_TRUE(TextListLines("\x1A"
                              "abc")
                    .IsEmpty());
}

TEST(TextListLinesTest, DoubleByteTextPassesUnchanged) {
    // 表 and ソ end in 0x5C; the line cut never looks inside a character.
    EXPECT_EQ(Lines(TextListLines("\x95\x5C\r\n\x83\x5C")), (Expected{"\x95\x5C", "\x83\x5C"}));
}

TEST(TextListLinesTest, Sfv32IsTheMarkerInTheFirstNonEmptyLine) {
    EXPECT_TRUE(IsSfv32List(TextListLines("\r\n\r\n; made by WIN-SFV32 v1\r\na.bin 12345678\r\n")));
    EXPECT_FALSE(IsSfv32List(TextListLines("\r\nfirst\r\nWIN-SFV32\r\n")));
    EXPECT_FALSE(IsSfv32List(TextListLines("; win-sfv32\r\n")));  // byte for byte
    EXPECT_FALSE(IsSfv32List(TextListLines("")));
}

TEST(CrcListTest, ColumnListsBeginWithFileNameExactly) {
    EXPECT_TRUE(IsColumnList("FileName"));
    EXPECT_TRUE(IsColumnList("FileName       CRC   Size\r\n"));
    EXPECT_FALSE(IsColumnList("filename  CRC\r\n"));
    EXPECT_FALSE(IsColumnList("FileNam"));
    EXPECT_FALSE(IsColumnList(" FileName"));
    EXPECT_FALSE(IsColumnList(""));
}

TEST(CrcListTest, CrLfEndsTheLinesWhenNoBlankLineExists) {
    EXPECT_EQ(Lines(CrcListLines("a, 1A2B, 1\r\nb, 0000, 2\r\n")),
              (Expected{"a, 1A2B, 1", "b, 0000, 2"}));
    // The last line has no CR LF and is lost; lone LFs and CRs stay in a line.
    EXPECT_EQ(Lines(CrcListLines("a\nb\r\nc\rd\r\nlast")), (Expected{"a\nb", "c\rd"}));
    // Nothing is trimmed.
    EXPECT_EQ(Lines(CrcListLines("  a \t\r\n")), (Expected{"  a \t"}));
}

TEST(CrcListTest, LfCrEndsTheLinesWhenTheListHasABlankLine) {
    // In "a CR LF CR LF b CR LF" the pair LF CR occurs, and only it cuts.
    EXPECT_EQ(Lines(CrcListLines("a\r\n\r\nb\r\n")), (Expected{"a\r"}));
    EXPECT_EQ(Lines(CrcListLines("a\n\rb\n\r\n\rc")), (Expected{"a", "b", ""}));
}

TEST(CrcListTest, ALineWithoutItsPairIsNoLine) {
    EXPECT_TRUE(CrcListLines("a.bin, 1A2B, 100").IsEmpty());
    EXPECT_TRUE(CrcListLines("").IsEmpty());
    EXPECT_TRUE(CrcListLines("\r").IsEmpty());
    EXPECT_EQ(Lines(CrcListLines("\r\n")), (Expected{""}));
}

}  // namespace
