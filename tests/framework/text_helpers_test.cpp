#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "framework/cp932.h"
#include "framework/ini_text.h"
#include "framework/path_parts.h"
#include "framework/text_mode.h"
#include "framework/wildcard.h"

namespace {

// 表 is 0x95 0x5C and ソ is 0x83 0x5C: their trail byte is the backslash.
const std::string kHyou = "表";
const std::string kSo = "ソ";

TEST(Cp932Test, TheTrailByteOfADoubleByteCharacterIsNoSeparator) {
    ASSERT_EQ(kHyou, "\x95\x5C");
    EXPECT_EQ(FindLastSeparator("C:\\" + kHyou), 2u);
    EXPECT_EQ(FindLastSeparator(kSo + kSo), std::string::npos);
    EXPECT_EQ(FindLastSeparator("a/b\\c"), 3u);
    EXPECT_FALSE(EndsWithSeparator("C:\\data\\" + kHyou));
    EXPECT_TRUE(EndsWithSeparator("C:\\data\\" + kHyou + "\\"));
    EXPECT_TRUE(EndsWithSeparator("C:/data/"));
    EXPECT_FALSE(EndsWithSeparator(""));
    // A lone lead byte at the very end is taken as a character of its own.
    EXPECT_EQ(FindLastSeparator("a\\\x95"), 1u);
}

TEST(Cp932Test, TrimmingRemovesAsciiSpaceOnly) {
    EXPECT_EQ(TrimAsciiSpace(" \t a.bin \r\n\v\f"), "a.bin");
    EXPECT_EQ(TrimAsciiSpace("\x81\x40x\x81\x40"), "\x81\x40x\x81\x40");  // full-width spaces stay
    EXPECT_EQ(TrimAsciiSpaceRight("  a  "), "  a");
    EXPECT_EQ(TrimAsciiSpace("   "), "");
}

TEST(Cp932Test, CaseIsIgnoredForAsciiLettersOnly) {
    EXPECT_TRUE(EqualsIgnoreAsciiCase(".TXT", ".txt"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase(".txt", ".txt "));
    EXPECT_TRUE(StartsWithIgnoreAsciiCase("URL=x", "Url="));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("\xE0", "\xC0"));  // no Latin-1 folding
}

TEST(PathPartsTest, SplitsLikeTheRuntime) {
    const PathParts parts = SplitPath("C:\\data\\list.v2.crc");
    EXPECT_EQ(parts.drive, "C:");
    EXPECT_EQ(parts.dir, "\\data\\");
    EXPECT_EQ(parts.base, "list.v2");
    EXPECT_EQ(parts.ext, ".crc");

    const PathParts bare = SplitPath("README");
    EXPECT_EQ(bare.drive, "");
    EXPECT_EQ(bare.dir, "");
    EXPECT_EQ(bare.base, "README");
    EXPECT_EQ(bare.ext, "");

    const PathParts dotInFolder = SplitPath("x.d/y");
    EXPECT_EQ(dotInFolder.dir, "x.d/");
    EXPECT_EQ(dotInFolder.base, "y");
    EXPECT_EQ(dotInFolder.ext, "");
}

TEST(PathPartsTest, DoubleByteNamesKeepTheirBackslashTrailBytes) {
    const PathParts parts = SplitPath("D:\\" + kHyou + "示\\" + kSo + "フト.txt");
    EXPECT_EQ(parts.drive, "D:");
    EXPECT_EQ(parts.dir, "\\" + kHyou + "示\\");
    EXPECT_EQ(parts.base, kSo + "フト");
    EXPECT_EQ(parts.ext, ".txt");
    EXPECT_EQ(FinalComponent("C:\\a\\" + kHyou), kHyou);
}

// A colon past the drive belongs to the name, as a stream's does, in the
// narrow text and in the real (wide) path alike.
TEST(PathPartsTest, TheFinalComponentBeginsAfterASeparatorOrADrive) {
    const std::pair<std::string, std::string> cases[] = {{"C:\\d\\a.txt:s", "a.txt:s"},
                                                         {"C:a.bin", "a.bin"},
                                                         {"d/a.bin", "a.bin"},
                                                         {"ab:c", "ab:c"}};
    for (const auto& [path, final] : cases) {
        EXPECT_EQ(FinalComponent(path), final);
        const std::wstring wide(path.begin(), path.end());
        EXPECT_EQ(wide.substr(FinalComponentStart(wide)), std::wstring(final.begin(), final.end()));
    }
}

TEST(PathPartsTest, MakePathJoinsLikeTheRuntime) {
    EXPECT_EQ(MakePath("C:", "\\data\\", "a", "bin"), "C:\\data\\a.bin");
    EXPECT_EQ(MakePath("C:", "\\data", "a", ".bin"), "C:\\data\\a.bin");
    EXPECT_EQ(MakePath("", "", "a", ""), "a");
    EXPECT_EQ(MakePath("", "dir/", "a", "b"), "dir/a.b");
    EXPECT_EQ(MakePath("", "\\" + kHyou, "a", ""), "\\" + kHyou + "\\a");
}

TEST(TextModeTest, ReadingTranslatesCrLfAndStopsAtCtrlZ) {
    EXPECT_EQ(TextModeContent("a\r\nb\rc\n"), "a\nb\rc\n");
    EXPECT_EQ(TextModeContent("a\r\n\x1A"
                              "b\r\n"),
              "a\n");
    EXPECT_EQ(TextModeContent("\r\r\n"), "\r\n");
    EXPECT_EQ(TextModeContent("x\r"), "x\r");
    EXPECT_EQ(TextModeContent(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextModeTest, WritingEndsLinesWithCrLf) {
    EXPECT_EQ(TextModeBytes("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(TextModeBytes(""), "");
}

TEST(IniTextTest, SetsOneValueAndKeepsEverythingElse) {
    const std::string ini = "; mine\r\n[window]\r\n OnTop = 1\r\nX=5\r\n\r\n[Result]\r\nWidth=9";
    EXPECT_EQ(SetIniValue(ini, "Window", "ontop", "0"),
              "; mine\r\n[window]\r\nontop=0\r\nX=5\r\n\r\n[Result]\r\nWidth=9");
    EXPECT_EQ(SetIniValue(ini, "Window", "Y", "-8"),
              "; mine\r\n[window]\r\n OnTop = 1\r\nX=5\r\nY=-8\r\n\r\n[Result]\r\nWidth=9");
    EXPECT_EQ(SetIniValue(ini, "Result", "Height", "7"), ini + "\r\nHeight=7\r\n");
    EXPECT_EQ(SetIniValue(ini, "New", "A", "1"), ini + "\r\n[New]\r\nA=1\r\n");
    EXPECT_EQ(SetIniValue("", "S", "K", "2"), "[S]\r\nK=2\r\n");
}

TEST(WildcardTest, MatchesAsTheSystemsSearchDoesButOnTheLongName) {
    for (const auto* name : {L"x.bin", L".bin", L"a.b.bin"}) {
        EXPECT_TRUE(MatchesWildcard(L"*.bin", name)) << name;
    }
    for (const auto* name : {L"long_name.binary", L"x.bin.txt", L"xbin"}) {
        EXPECT_FALSE(MatchesWildcard(L"*.bin", name)) << name;
    }
    EXPECT_TRUE(MatchesWildcard(L"*.*", L"README"));
    EXPECT_TRUE(MatchesWildcard(L"a??.bin", L"a.bin"));
    EXPECT_FALSE(MatchesWildcard(L"a?.bin", L"abc.bin"));
    EXPECT_TRUE(MatchesWildcard(L"A*", L"A"));
    EXPECT_FALSE(MatchesWildcard(L"A*", L"a"));  // the caller folds case
}

}  // namespace
