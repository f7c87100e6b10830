#include "lists/list_fields.h"

#include <gtest/gtest.h>

#include <limits>

#include "lists/path_rules.h"

namespace {

CrcField Crc(FieldReading reading, std::uint16_t value) {
    return {reading, value};
}

TEST(ListFieldsTest, CrcIsUpToFourHexDigitsAfterLeadingSpace) {
    EXPECT_EQ(ReadCrcField("1A2B"), Crc(FieldReading::Read, 0x1A2B));
    EXPECT_EQ(ReadCrcField(" \t00ff"), Crc(FieldReading::Read, 0x00FF));
    EXPECT_EQ(ReadCrcField("1A2B3C4D"), Crc(FieldReading::Read, 0x1A2B));
    EXPECT_EQ(ReadCrcField("A2B"), Crc(FieldReading::Read, 0x0A2B));
    EXPECT_EQ(ReadCrcField("7g"), Crc(FieldReading::Read, 0x0007));
    EXPECT_EQ(ReadCrcField("XYZ").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadCrcField("-1A").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadCrcField("\x83\x41").reading, FieldReading::NotANumber);  // ア: trail byte 'A'
    EXPECT_EQ(ReadCrcField("").reading, FieldReading::Blank);
    EXPECT_EQ(ReadCrcField(" \r ").reading, FieldReading::Blank);
}

TEST(ListFieldsTest, SizeIsADecimalNumberUpToItsFirstNonDigit) {
    EXPECT_EQ(ReadSizeField("        5"), (SizeField{FieldReading::Read, 5}));
    EXPECT_EQ(ReadSizeField("100\r"), (SizeField{FieldReading::Read, 100}));
    EXPECT_EQ(ReadSizeField("12abc"), (SizeField{FieldReading::Read, 12}));
    EXPECT_EQ(ReadSizeField("-5"), (SizeField{FieldReading::Read, -5}));
    EXPECT_EQ(ReadSizeField("+7"), (SizeField{FieldReading::Read, 7}));
    EXPECT_EQ(ReadSizeField("abc").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadSizeField("-").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadSizeField("+ 5").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadSizeField("").reading, FieldReading::Blank);
    EXPECT_EQ(ReadSizeField("  \t").reading, FieldReading::Blank);
}

TEST(ListFieldsTest, SizesBeyond32BitsAreExactAndOverflowIsNoNumber) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(ReadSizeField("2147483648").value, 2'147'483'648);
    EXPECT_EQ(ReadSizeField(RemoveCommas("6,442,450,945")).value, 6'442'450'945);
    EXPECT_EQ(ReadSizeField("9223372036854775807"), (SizeField{FieldReading::Read, kMax}));
    EXPECT_EQ(ReadSizeField("-9223372036854775808"), (SizeField{FieldReading::Read, kMin}));
    EXPECT_EQ(ReadSizeField("9223372036854775808").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadSizeField("-9223372036854775809").reading, FieldReading::NotANumber);
    EXPECT_EQ(ReadSizeField("99999999999999999999999").reading, FieldReading::NotANumber);
}

TEST(ListFieldsTest, BlankLinesHoldWhiteSpaceOnly) {
    EXPECT_TRUE(IsBlankLine(""));
    EXPECT_TRUE(IsBlankLine(" \t\r"));
    EXPECT_FALSE(IsBlankLine(" x"));
    EXPECT_FALSE(IsBlankLine("\x81\x40"));  // a full-width space is a character
}

// 表 (0x95 0x5C), ソ (0x83 0x5C) and 能 (0x94 0x5C) end in a backslash byte.
TEST(PathRulesTest, SplitFileNameCutsAtTheFirstDot) {
    const FileNameParts tar = SplitFileName("archive.tar.gz");
    EXPECT_EQ(tar.base, "archive");
    EXPECT_EQ(tar.ext, "tar.gz");
    EXPECT_EQ(SplitFileName("README").base, "README");
    EXPECT_EQ(SplitFileName("README").ext, "");
    EXPECT_EQ(SplitFileName(".profile").base, "");
    EXPECT_EQ(SplitFileName(".profile").ext, "profile");
    EXPECT_EQ(SplitFileName("表示.ソフト").base, "\x95\x5C\x8E\xA6");
    EXPECT_EQ(SplitFileName("表示.ソフト").ext, "\x83\x5C\x83\x74\x83\x67");
}

TEST(PathRulesTest, SplitJoinTrimsAroundTheFirstDotOnly) {
    EXPECT_EQ(SplitJoinName(L"a.bin"), L"a.bin");
    EXPECT_EQ(SplitJoinName(L"  a . bin "), L"a.bin");
    EXPECT_EQ(SplitJoinName(L"README"), L"README");
    EXPECT_EQ(SplitJoinName(L"sub\\a.tar.gz"), L"sub\\a.tar.gz");
    // Every dot of the name stays: each of these names another file.
    EXPECT_EQ(SplitJoinName(L"a..bin"), L"a..bin");
    EXPECT_EQ(SplitJoinName(L"..\\..\\x.bin"), L"..\\..\\x.bin");
    EXPECT_EQ(SplitJoinName(L"FOO     .BIN"), L"FOO.BIN");
    EXPECT_EQ(SplitJoinName(L" a . .bin "), L"a..bin");
    EXPECT_EQ(SplitJoinName(L" 能力 .ソ"), L"能力.ソ");
    EXPECT_EQ(ExactName(L" x .bin"), L" x .bin");
}

}  // namespace
