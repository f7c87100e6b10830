#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

#include "engine/job_messages.h"
#include "engine/path_message.h"

namespace {

// Everything the program reads, writes and shows is code page 932. Without a
// generated Japanese locale Wine silently runs in code page 1252.
TEST(CodePageTest, TheAnsiCodePageIs932) {
    EXPECT_EQ(GetACP(), 932u);
}

// wine-run's English locale stands in for a Windows set to another
// language: the system's own code page is 1252 there, and only the
// manifest's activeCodePage gives the process 932.
TEST(CodePageTest, TheManifestGives932UnderAnEnglishSystemLocale) {
    const char* locale = std::getenv("VARNEL_WINE_LOCALE");
    if (locale == nullptr || std::string_view(locale).rfind("en_US", 0) != 0) {
        GTEST_SKIP() << "runs under VARNEL_WINE_LOCALE=en_US.UTF-8";
    }
    DWORD systemCodePage = 0;
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<LPWSTR>(&systemCodePage), sizeof systemCodePage / 2);
    EXPECT_EQ(systemCodePage, 1252u);
    EXPECT_EQ(GetACP(), 932u);
}

TEST(CodePageTest, LiteralsReachTheProgramAsShiftJisBytes) {
    EXPECT_EQ(std::string(kNoErrorsMessage),
              "\x83\x47\x83\x89\x81\x5B\x82\xCD\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82"
              "\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42");
    EXPECT_EQ(ReadErrorMessage("a.bin"),
              "a.bin:\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B");
}

TEST(CodePageTest, StringTableMessagesLoadAsShiftJis) {
    EXPECT_EQ(
        FormatPathMessage(CatalogMessage::CannotOpen, "C:\\x.bin"),
        "C:\\x.bin:\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8A\x4A\x82\xAF\x82\xDC\x82\xB9\x82"
        "\xF1");
    EXPECT_EQ(FormatPathMessage(CatalogMessage::ListTooLarge, "C:\\l.crc"),
              "C:\\l.crc:\x83\x54\x83\x43\x83\x59\x82\xAA"
              "1G\x82\xF0\x92\xB4\x82\xA6\x82\xC4\x82\xA2"
              "\x82\xDC\x82\xB7\x81\x42");
}

}  // namespace
