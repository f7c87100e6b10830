#include "lists/list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "lists/list_encoding.h"

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
    EXPECT_TRUE(IsSfv32List(
        CutListText("\r\n\r\n; made by WIN-SFV32 v1\r\na.bin 12345678\r\n", ListForm::Report)));
    EXPECT_FALSE(IsSfv32List(CutListText("\r\nfirst\r\nWIN-SFV32\r\n", ListForm::Report)));
    EXPECT_FALSE(IsSfv32List(CutListText("; win-sfv32\r\n", ListForm::Report)));  // byte for byte
    EXPECT_FALSE(IsSfv32List(CutListText("", ListForm::Report)));
}

TEST(ListLinesTest, ColumnListsBeginWithFileNameExactly) {
    EXPECT_TRUE(IsColumnList("FileName"));
    EXPECT_TRUE(IsColumnList("FileName       CRC   Size\r\n"));
    EXPECT_FALSE(IsColumnList("filename  CRC\r\n"));
    EXPECT_FALSE(IsColumnList("FileNam"));
    EXPECT_FALSE(IsColumnList(" FileName"));
    EXPECT_FALSE(IsColumnList(""));
}

TEST(TextEncodingTest, TheMarkDecidesAndUnmarkedUtf8IsOnlyACandidate) {
    const std::pair<std::string, TextEncoding> cases[] = {
        {"\xEF\xBB\xBF"
         "FileName",
         TextEncoding::Utf8},
        {std::string("\xFF\xFEx\0", 4), TextEncoding::Utf16Le},
        {std::string("\xFE\xFF\0x", 4), TextEncoding::Utf16Be},
        {"x.bin, 6F91, 9\r\n", TextEncoding::Cp932},       // ASCII: either
        {"\xE8\xA1\xA8.bin", TextEncoding::Utf8Unmarked},  // 表 in UTF-8
        {"\x95\x5C.bin", TextEncoding::Cp932},             // 表 in code page 932
        {"\xC2\xB6", TextEncoding::Utf8Unmarked},          // ﾂｶ, or ¶
        {"\xC0\x80", TextEncoding::Cp932},                 // overlong
        {"\xED\xA0\x80", TextEncoding::Cp932},             // a surrogate
        {"\xF4\x90\x80\x80", TextEncoding::Cp932},         // past U+10FFFF
        {"\xE3\x81", TextEncoding::Cp932},                 // cut short
    };
    for (const auto& [bytes, encoding] : cases) {
        EXPECT_EQ(DetectTextEncoding(bytes), encoding) << bytes;
    }
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFx", TextEncoding::Utf8), "x");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFx", TextEncoding::Cp932), "\xEF\xBB\xBFx");
}

TEST(ListEncodingTest, PiecesEndAfterTheirLastWholeLineEnd) {
    using namespace std::string_literals;
    const std::tuple<std::string, TextEncoding, std::size_t> cases[] = {
        {"a\r\nb", TextEncoding::Cp932, 3},        {"a\nb\r", TextEncoding::Utf8Unmarked, 4},
        {"\x95\x5C", TextEncoding::Cp932, 0},      {"a\0\n\0b"s, TextEncoding::Utf16Le, 4},
        {"a\0\r\0b"s, TextEncoding::Utf16Le, 4},  // an odd last byte waits for its pair
        {"\0\n\0a"s, TextEncoding::Utf16Le, 0},   // U+0A00, U+6100
        {"\0a\0\n\0b"s, TextEncoding::Utf16Be, 4}, {"\n\0"s, TextEncoding::Utf16Be, 0},
    };
    for (const auto& [bytes, encoding, end] : cases) {
        EXPECT_EQ(PieceEnd(bytes, encoding), end) << bytes;
    }
}

TEST(ListLinesTest, TheEndMarkIsFollowedFromPieceToPiece) {
    EndMark end;
    EXPECT_EQ(end.Before("a\r\n"), "a\r\n");
    EXPECT_EQ(end.Before("b\x1A \x1A\r\n"), "b");
    EXPECT_FALSE(end.TextAfter());
    EXPECT_EQ(end.Before("c\r\n"), "");
    EXPECT_TRUE(end.TextAfter());
}

}  // namespace
