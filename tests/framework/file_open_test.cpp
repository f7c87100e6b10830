#include "framework/file_open.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/cp932_text.h"
#include "framework/wide_path.h"
#include "tests/support/test_files.h"

namespace {

std::wstring CurrentFolder() {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
    std::wstring folder(buffer, length);
    return folder.back() == L'\\' ? folder : folder + L"\\";
}

TEST(WidePathTest, OrdinaryPathsAreConvertedAsTheyStand) {
    EXPECT_EQ(WidePath(WidenText("C:\\data\\a.bin")), L"C:\\data\\a.bin");
    EXPECT_EQ(WidePath(WidenText("..\\x")), L"..\\x");
    EXPECT_EQ(WidePath(WidenText("C:\\data\\nul\\a.bin")), L"C:\\data\\nul\\a.bin");
    EXPECT_EQ(WidePath(WidenText("\\\\?\\C:\\data\\x.")), L"\\\\?\\C:\\data\\x.");
    EXPECT_EQ(WidePath(WidenText("\\\\.\\NUL")), L"\\\\.\\NUL");
    // 表 (0x95 0x5C) and ソ (0x83 0x5C) are one character each.
    EXPECT_EQ(WidePath(WidenText("C:\\\x95\x5C\\\x83\x5C.bin")), L"C:\\\u8868\\\u30BD.bin");
}

TEST(WidePathTest, NamesOrdinaryPathsDoNotReachTakeTheVerbatimForm) {
    EXPECT_EQ(WidePath(WidenText("C:\\data\\nul")), L"\\\\?\\C:\\data\\nul");
    EXPECT_EQ(WidePath(WidenText("C:/data/./sub/../x.")), L"\\\\?\\C:\\data\\x.");
    EXPECT_EQ(WidePath(WidenText("\\\\server\\share\\COM1.crc")),
              L"\\\\?\\UNC\\server\\share\\COM1.crc");
    EXPECT_EQ(WidePath(WidenText("y ")), L"\\\\?\\" + CurrentFolder() + L"y ");
    EXPECT_EQ(WidePath(WidenText("C:\\\x95\x5C\\con.txt")), L"\\\\?\\C:\\\u8868\\con.txt");
    // A folder ending in a dot or a space is kept whole, wherever it stands.
    EXPECT_EQ(WidePath(WidenText("C:\\d.\\x \\..\\.\\*.*")), L"\\\\?\\C:\\d.\\*.*");
}

TEST(WidePathTest, PathsTooLongForOrdinaryPathsTakeTheVerbatimForm) {
    const std::string deep = "C:\\" + std::string(250, 'd') + "\\..\\" + std::string(10, 'e');
    EXPECT_EQ(WidePath(WidenText(deep)), L"\\\\?\\C:\\" + std::wstring(10, L'e'));
    const std::string wide = "C:\\" + std::string(300, 'f') + "\\*.*";
    EXPECT_EQ(WidePath(WidenText(wide)), L"\\\\?\\C:\\" + std::wstring(300, L'f') + L"\\*.*");
    // Characters count, not bytes: 200 double-byte characters are no long path.
    std::string kanji = "C:\\";
    for (int i = 0; i < 200; ++i) {
        kanji += "\x95\x5C";
    }
    EXPECT_EQ(WidePath(WidenText(kanji)), L"C:\\" + std::wstring(200, L'\u8868'));
}

TEST(ReadFileTest, OpensFilesAndRefusesDevices) {
    TestFolder folder;
    const std::string path = folder.Write("a.bin", "abc");
    const CReadFile file(CFileName::FromText(path));
    ASSERT_TRUE(file.IsOpen());
    char bytes[4] = {};
    EXPECT_EQ(file.Read(bytes, sizeof bytes), 3);
    for (const char* device : {"NUL", "\\\\.\\NUL", "nul.txt", "CON", "CONIN$"}) {
        EXPECT_FALSE(CReadFile(CFileName::FromText(device)).IsOpen()) << device;
    }
    EXPECT_FALSE(CReadFile(CFileName::FromText(path + std::string("\0.txt", 5))).IsOpen());
    EXPECT_FALSE(CReadFile(CFileName()).IsOpen());
}

}  // namespace
