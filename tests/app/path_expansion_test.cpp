#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/input_list.h"
#include "app/long_path.h"
#include "engine/folder_expansion.h"
#include "framework/cp932_text.h"
#include "tests/support/named_files.h"
#include "tests/support/test_files.h"

namespace {

// 表, ソ and 能 end in the byte 0x5C, the backslash.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";
const std::string kNou = "\x94\x5C";

std::vector<std::string> Sorted(std::vector<std::string> entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
}

// A path marked as found in a folder, for comparing sorted entries.
std::string Found(const std::string& path) {
    std::string marked(1, '+');
    marked += path;
    return marked;
}

// The paths of entries, each marked when it was found in a folder.
std::vector<std::string> Sorted(CInputList::const_iterator first, CInputList::const_iterator last) {
    std::vector<std::string> paths;
    for (; first != last; ++first) {
        paths.push_back(first->inFolder ? Found(first->Path().Text()) : first->Path().Text());
    }
    return Sorted(paths);
}

// The long form of a path in code page 932, as a test writes it.
bool ExpandText(const std::string& path, std::string& longPath) {
    std::wstring wide = WidenText(longPath);
    const bool expanded = ExpandToLongPath(WidenText(path), wide);
    longPath = NarrowText(wide);
    return expanded;
}

std::unique_ptr<CInputList> BuildInputList(const std::vector<std::string>& arguments) {
    std::vector<std::wstring> wide;
    for (const std::string& argument : arguments) {
        wide.push_back(WidenText(argument));
    }
    CJobReport report;
    return ::BuildInputList(wide, FolderDepth::FilesOnly, report);
}

// The folder of a test in its long form, as the file system stores it.
std::string LongFolder(const TestFolder& folder) {
    char buffer[4096];
    const DWORD length = GetLongPathNameA(folder.Path().c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : folder.Path();
}

TEST(AddFolderFilesTest, AddsTheFilesOfOneLevelAsFolderEntries) {
    TestFolder folder;
    folder.Write("a.txt", "x");
    folder.Write("b.crc", "y");
    folder.MakeFolder("SUB");
    folder.Write("SUB\\deeper.bin", "z");
    CInputList inputs = InputsOf({"earlier.bin"});
    CJobReport report;

    EXPECT_EQ(AddFolderFiles(Named(folder.Path()), inputs, report), 2u);

    ASSERT_EQ(inputs.size(), 3u);
    EXPECT_EQ(inputs[0], InputsOf({"earlier.bin"})[0]);
    EXPECT_EQ(Sorted(inputs.begin() + 1, inputs.end()),
              Sorted({Found(folder.PathOf("a.txt")), Found(folder.PathOf("b.crc"))}));
}

TEST(AddFolderFilesTest, ATrailingBackslashIsNotDoubled) {
    TestFolder folder;
    folder.Write("a.bin", "x");
    CInputList inputs;
    CJobReport report;
    EXPECT_EQ(AddFolderFiles(Named(folder.Path() + "\\"), inputs, report), 1u);
    EXPECT_EQ(inputs, InputsOf({{folder.PathOf("a.bin"), true}}));
}

TEST(AddFolderFilesTest, AFolderNameEndingInABackslashTrailByteGetsItsSeparator) {
    TestFolder folder;
    for (const std::string& name : {kSo, kHyou + "示", kNou + kSo}) {
        const std::string sub = folder.MakeFolder(name);
        folder.Write(name + "\\" + kHyou + ".bin", "x");
        CInputList inputs;
        CJobReport report;
        EXPECT_EQ(AddFolderFiles(Named(sub), inputs, report), 1u) << name;
        EXPECT_EQ(inputs, InputsOf({{sub + "\\" + kHyou + ".bin", true}}));
    }
}

TEST(AddFolderFilesTest, EmptyOrMissingFoldersAddNothing) {
    TestFolder folder;
    CInputList inputs;
    CJobReport report;
    EXPECT_EQ(AddFolderFiles(Named(folder.MakeFolder("empty")), inputs, report), 0u);
    EXPECT_EQ(AddFolderFiles(Named(folder.PathOf("missing")), inputs, report), 0u);
    EXPECT_TRUE(inputs.empty());
}

TEST(ExpandToLongPathTest, EveryComponentTakesItsStoredName) {
    TestFolder folder;
    folder.MakeFolder("Data " + kSo + "Folder");
    folder.Write("Data " + kSo + "Folder\\" + kHyou + "Mixed.Bin", "x");
    const std::string stored =
        LongFolder(folder) + "\\Data " + kSo + "Folder\\" + kHyou + "Mixed.Bin";

    std::string longPath;
    ASSERT_TRUE(
        ExpandText(folder.Path() + "\\DATA " + kSo + "FOLDER\\" + kHyou + "mixed.bin", longPath));
    EXPECT_EQ(longPath, stored);
    // Separators written as slashes come back as backslashes.
    ASSERT_TRUE(
        ExpandText(folder.Path() + "/data " + kSo + "folder/" + kHyou + "MIXED.BIN", longPath));
    EXPECT_EQ(longPath, stored);
}

TEST(ExpandToLongPathTest, ShortNamesBecomeLongOnes) {
    TestFolder folder;
    folder.MakeFolder("Program Files Sample");
    const std::string path = folder.Write("Program Files Sample\\Sample file.txt", "x");
    char shortPath[4096];
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath || std::string(shortPath) == path) {
        GTEST_SKIP() << "no short names on this file system";
    }
    std::string longPath;
    ASSERT_TRUE(ExpandText(shortPath, longPath)) << shortPath;
    EXPECT_EQ(longPath, LongFolder(folder) + "\\Program Files Sample\\Sample file.txt");
}

TEST(ExpandToLongPathTest, ANameWithoutSeparatorPassesUnchanged) {
    TestFolder folder;
    folder.Write("Foo.txt", "x");
    char previous[4096];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    std::string longPath;
    const bool found = ExpandText("FOO.TXT", longPath);
    SetCurrentDirectoryA(previous);
    ASSERT_TRUE(found);
    EXPECT_EQ(longPath, "FOO.TXT");
}

TEST(ExpandToLongPathTest, AWildcardStandsForItsFirstMatch) {
    TestFolder folder;
    folder.Write("only.bin", "x");
    folder.Write("other.txt", "y");
    std::string longPath;
    ASSERT_TRUE(ExpandText(folder.Path() + "\\*.BIN", longPath));
    EXPECT_EQ(longPath, LongFolder(folder) + "\\only.bin");
}

TEST(ExpandToLongPathTest, ComponentsNoSearchCanNameStayAsTyped) {
    TestFolder folder;
    folder.MakeFolder("Sub");
    folder.Write("Sub\\a.bin", "x");
    std::string longPath;
    ASSERT_TRUE(ExpandText(folder.Path() + "\\SUB\\..\\Sub\\.\\A.BIN", longPath));
    EXPECT_EQ(longPath, LongFolder(folder) + "\\Sub\\..\\Sub\\.\\a.bin");

    const std::string prefixed = std::string("\\\\?\\") + folder.PathOf("Sub\\a.bin");
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(prefixed.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        GTEST_SKIP() << "the \\\\?\\ prefix is not searched here";
    }
    FindClose(find);
    ASSERT_TRUE(ExpandText(std::string("\\\\?\\") + folder.PathOf("SUB\\A.BIN"), longPath));
    EXPECT_EQ(longPath, std::string("\\\\?\\") + LongFolder(folder) + "\\Sub\\a.bin");
}

TEST(ExpandToLongPathTest, FailsWithoutTouchingTheResult) {
    TestFolder folder;
    folder.MakeFolder("dir");
    std::string longPath = "unchanged";
    EXPECT_FALSE(ExpandText(folder.PathOf("missing.bin"), longPath));
    EXPECT_FALSE(ExpandText(folder.PathOf("dir\\"), longPath));
    EXPECT_FALSE(ExpandText("C:\\", longPath));
    EXPECT_FALSE(ExpandText("", longPath));
    EXPECT_FALSE(ExpandText(folder.Path() + "\\" + std::string(5000, 'a'), longPath));
    EXPECT_EQ(longPath, "unchanged");
}

TEST(BuildInputListTest, FoldersGiveTheirFilesOtherArgumentsOneEntry) {
    TestFolder folder;
    const std::string data = folder.MakeFolder("DATA");
    folder.Write("DATA\\a.txt", "x");
    folder.Write("DATA\\b.crc", "y");
    folder.MakeFolder("DATA\\SUB");
    const std::string list = folder.Write("List.crc", "z");
    const std::string longFolder = LongFolder(folder);

    const auto inputs = BuildInputList(
        {folder.PathOf("list.CRC"), data, folder.PathOf("none.bin"), data + "\\", "C:\\"});

    ASSERT_GE(inputs->size(), 6u);
    EXPECT_EQ((*inputs)[0], InputsOf({longFolder + "\\List.crc"})[0]);
    // Their sizes come with them, for the progress the job shows.
    EXPECT_EQ((*inputs)[0].knownSize, 1);
    EXPECT_EQ((*inputs)[1].knownSize, 1);
    EXPECT_EQ(Sorted(inputs->begin() + 1, inputs->begin() + 3),
              Sorted({Found(longFolder + "\\DATA\\a.txt"), Found(longFolder + "\\DATA\\b.crc")}));
    // A missing file is queued as typed, so that the report names it.
    EXPECT_EQ((*inputs)[3], InputsOf({folder.PathOf("none.bin")})[0]);
    // A folder written with a trailing backslash is still a folder.
    EXPECT_EQ(Sorted(inputs->begin() + 4, inputs->begin() + 6),
              Sorted({Found(data + "\\a.txt"), Found(data + "\\b.crc")}));
    // A drive's root has no long form but is a folder: only its files follow.
    for (std::size_t i = 6; i < inputs->size(); ++i) {
        EXPECT_TRUE((*inputs)[i].inFolder && (*inputs)[i].Path().Text().rfind("C:\\", 0) == 0)
            << (*inputs)[i].Path().Text();
    }
}

}  // namespace
