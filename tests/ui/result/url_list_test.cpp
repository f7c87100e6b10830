#include "ui/result/url_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "framework/cp932.h"

namespace {

CStringList Names(const std::vector<std::string>& names) {
    CStringList list;
    for (const auto& name : names) {
        list.AddTail(name);
    }
    return list;
}

std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string> pieces;
    CLinePieces reader(text);
    std::string_view piece;
    while (reader.Next(piece)) {
        pieces.emplace_back(piece);
    }
    return pieces;
}

TEST(UrlListTest, FormatFollowsTheWholeExtensionWithoutCase) {
    EXPECT_EQ(UrlListFormatOf("C:\\dl\\urls.txt"), UrlListFormat::Plain);
    EXPECT_EQ(UrlListFormatOf("C:\\dl\\URLS.TxT"), UrlListFormat::Plain);
    EXPECT_EQ(UrlListFormatOf("D.WRG"), UrlListFormat::Records);
    EXPECT_EQ(UrlListFormatOf("list.wrg.bak"), UrlListFormat::Unknown);
    EXPECT_EQ(UrlListFormatOf("list.txts"), UrlListFormat::Unknown);
    EXPECT_EQ(UrlListFormatOf("C:\\a.txt\\list"), UrlListFormat::Unknown);
    EXPECT_EQ(UrlListFormatOf("C:\\dl\\txt"), UrlListFormat::Unknown);
}

TEST(UrlListTest, ExtractGoesBesideTheListWithAnUnderscore) {
    EXPECT_EQ(UrlExtractPath(L"C:\\dl\\list.txt"), L"C:\\dl\\list_.txt");
    EXPECT_EQ(UrlExtractPath(L"D.WRG"), L"D_.WRG");
    EXPECT_EQ(UrlExtractPath(L"C:\\dl\\urls_.txt"), L"C:\\dl\\urls__.txt");
    EXPECT_EQ(UrlExtractPath(L"\\\\server\\share\\a.b.txt"), L"\\\\server\\share\\a.b_.txt");
    EXPECT_EQ(UrlExtractPath(L"C:\\d.d\\urls"), L"C:\\d.d\\urls_");
}

TEST(UrlListTest, PiecesAreWhatFgetsWithA500ByteBufferYields) {
    EXPECT_TRUE(Pieces("").empty());
    EXPECT_EQ(Pieces("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Pieces("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Pieces("\n"), (std::vector<std::string>{""}));

    const std::string line600(600, 'x');
    const auto pieces = Pieces(line600 + "\nnext");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].size(), 499u);
    EXPECT_EQ(pieces[1].size(), 101u);
    EXPECT_EQ(pieces[2], "next");

    // A line of exactly 499 bytes fills the buffer; its line end follows alone.
    EXPECT_EQ(Pieces(std::string(499, 'y') + "\nz"),
              (std::vector<std::string>{std::string(499, 'y'), "", "z"}));
    EXPECT_EQ(Pieces(std::string(498, 'y') + "\nz"),
              (std::vector<std::string>{std::string(498, 'y'), "z"}));
}

TEST(UrlListTest, PlainWorkedExample) {
    const CStringList failed = Names({"b.zip", "c.lzh"});
    const std::string list =
        "files/a.zip\r\nfiles/B.ZIP\r\nfiles/b.zip\r\nfiles/c.lzh.txt\r\nfiles/c.lzh\r\n";
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Plain, list, failed), "files/B.ZIP\r\nfiles/c.lzh\r\n");
    EXPECT_EQ(failed.GetCount(), 2u);
}

TEST(UrlListTest, RecordsWorkedExample) {
    const CStringList failed = Names({"b.zip", "c.lzh"});
    const std::string list =
        ";head\r\nTitle=one\r\nUrl=files/a.zip\r\n\r\nUrl= files/b.zip \r\nSize=10\r\n\r\n";
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Records, list, failed),
              "Url= files/b.zip \r\nSize=10\r\n\r\n");
}

TEST(UrlListTest, PlainMatchesWholeComponentsFirstNameFirst) {
    CRemainingNames names(Names({"b.zip", "x.b.zip", "b.zip"}));
    const std::string text =
        "u/b.zip.old\n"  // the name in the middle is no match
        "u/X.B.ZIP\n"    // names x.b.zip; b.zip begins after a dot
        "u/x.b.zip\n"    // x.b.zip is used up
        "u/b.zip\n"      // the first b.zip
        "u/b.zip\n"      // the second b.zip
        "zip\n";
    EXPECT_EQ(ExtractPlainUrls(text, names), "u/X.B.ZIP\nu/b.zip\nu/b.zip\n");
    EXPECT_TRUE(names.IsEmpty());
}

// A URL names a failed file by its last path component, compared without
// query or fragment, escapes decoded, case ignored.
TEST(UrlListTest, AUrlNamesTheFileOfItsLastPathComponent) {
    const struct {
        const char* name;
        const char* url;
        bool names;
    } table[] = {
        {"a.bin", "http://h/a.bin", true},
        {"a.bin", "http://h/aa.bin", false},
        {"a.bin", "HTTP://H/A.BIN", true},
        {"a.bin", "a.bin", true},
        {"a.bin", "C:\\dl\\a.bin", true},
        {"a.bin", "http://h/dl.cgi?file=a.bin", false},
        {"a.bin", "http://h/dl.cgi=a.bin", true},
        {"a.bin", "http://h/a.bin?mirror=2", true},
        {"a.bin", "http://h/a.bin#part", true},
        {"a.bin", "http://h/a.bin.old", false},
        {"a.bin", "http://h%2Fa.bin", true},
        {"a b.bin", "http://h/a%20b.bin", true},
        {"a.bin", "http://h/%41%2e%62in", true},
        {"a%2.bin", "http://h/a%2.bin", true},
        {"a.bin", "http://h/a%2.bin", false},
        // UTF-8 escapes in a UTF-8 list: "表.zip".
        {"\xE8\xA1\xA8.zip", "h/%E8%A1%A8.ZIP", true},
    };
    for (const auto& row : table) {
        CRemainingNames names(Names({row.name}));
        EXPECT_EQ(TakeNamedFile(row.url, names, {nullptr, false}), row.names) << row.url;
    }
    // In code page 932 the backslash of "ソ" (0x83 0x5C) is no separator.
    CRemainingNames names(Names({"x.zip", "y.zip"}));
    EXPECT_FALSE(TakeNamedFile("h/\x83\x5Cx.zip", names));
    EXPECT_TRUE(TakeNamedFile("h/\x83\x5C\\y.zip", names));
    EXPECT_TRUE(TakeNamedFile("h/\x83\x5Cx.zip", names, {nullptr, false}));
    // Escaped UTF-8 turns into the list's encoding before it is compared.
    CRemainingNames table932(Names({"\x95\x5C.zip"}));
    const UrlListEncoding cp932{[](std::string_view utf8) {
                                    return utf8 == "\xE8\xA1\xA8" ? std::string("\x95\x5C")
                                                                  : std::string(utf8);
                                },
                                true};
    EXPECT_TRUE(TakeNamedFile("h/%E8%A1%A8.zip", table932, cp932));
}

TEST(UrlListTest, PlainHandlesLongLinesAndAMissingLastLineEnd) {
    // The 600-byte line is two pieces; only the second ends with the name.
    const std::string line600 = std::string(594, 'h') + "/a.zip";
    CRemainingNames names(Names({"a.zip", "last.rar", std::string(499, 'h')}));
    EXPECT_EQ(ExtractPlainUrls(line600 + "\nget/last.rar", names),
              line600.substr(0, 499) + "\n" + line600.substr(499) + "\nget/last.rar\n");
}

TEST(UrlListTest, TextModeReadingEndsAtCtrlZAndALoneCarriageReturnEndsALine) {
    const CStringList failed = Names({"a.zip", "b.zip"});
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Plain, "x/a.zip\r\x1Ay/b.zip\r\n", failed),
              "x/a.zip\r\n");
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Plain, "y/b.zip\r\r\nx/a.zip\x1Ay/b.zip\r\n", failed),
              "y/b.zip\r\nx/a.zip\r\n");
    EXPECT_EQ(
        ExtractUrlList(UrlListFormat::Records, "Url=x/a.zip\rSize=1\r\rUrl=y/b.zip\r", failed),
        "Url=x/a.zip\r\nSize=1\r\n\r\nUrl=y/b.zip\r\n\r\n");
}

TEST(UrlListTest, NameBytesAreComparedWithoutCaseTrailBytesIncluded) {
    // "ソ" is 0x83 0x5C; "ア" is 0x83 0x41, whose trail byte is an 'A'.
    CRemainingNames names(Names({"\x83\x41.zip", "\x83\x5C.ZIP"}));
    EXPECT_EQ(ExtractPlainUrls("u/\x83\x61.zip\nu/\x83\x5C.zip\n", names),
              "u/\x83\x61.zip\nu/\x83\x5C.zip\n");
}

TEST(UrlListTest, RecordsNeedAUrlValueThatEndsWithAName) {
    CRemainingNames names(Names({"a.zip", "b.zip", "c.zip", "d.zip"}));
    const std::string text =
        "Title=no url\nSize=1\n\n"
        "url=   \n\n"                                  // blanks only
        "URL=x/a.zip\nUrl=x/none\n\n"                  // the later value counts
        "Name=b\nurl=\t x/B.zip \x81\x40\n;comment\n"  // a full-width space stays
        "Name=c\nUrL=\tx/c.zip\v\f \n\n\n\n"           // empty records between
        "Url=x/d.zip\nTail=1";                         // the end closes the record
    EXPECT_EQ(ExtractUrlRecords(text, names),
              "Name=c\nUrL=\tx/c.zip\v\f \n\nUrl=x/d.zip\nTail=1\n\n");
    EXPECT_EQ(names.GetCount(), 2u);
}

TEST(UrlListTest, RecordLinesOfLongPiecesStayInTheirRecord) {
    const std::string url = "Url=" + std::string(495, 'u');  // 499 bytes: a lone line end follows
    CRemainingNames names(Names({"u.zip"}));
    EXPECT_EQ(ExtractUrlRecords(url + "\nUrl=x/u.zip\n", names), "Url=x/u.zip\n\n");
}

TEST(UrlListTest, NoNamesOrNoMatchGivesAnEmptyExtract) {
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Plain, "a\r\nb\r\n", CStringList()), "");
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Records, "Url=a\r\n", Names({"b"})), "");
    EXPECT_EQ(ExtractUrlList(UrlListFormat::Unknown, "a\r\n", Names({"a"})), "");
}

// The obvious way: every remaining name against every text, in list order.
class NaiveNames {
public:
    explicit NaiveNames(std::vector<std::string> names) : m_names(std::move(names)) {}
    bool TakeFirstMatch(std::string_view text) {
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            const std::size_t start = text.size() - std::min(text.size(), m_names[i].size());
            if (EqualsIgnoreAsciiCase(text.substr(start), m_names[i])) {
                m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(i));
                return true;
            }
        }
        return false;
    }

private:
    std::vector<std::string> m_names;
};

TEST(RemainingNamesTest, AgreesWithComparingEveryNameOnRandomTexts) {
    std::mt19937 random(4);
    const std::string alphabet = "aAbB.\x83\\";
    auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        return text;
    };
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> names;
        for (int i = random() % 12; i > 0; --i) {
            names.push_back(randomText(4));
        }
        CRemainingNames fast(Names(names));
        NaiveNames naive(names);
        for (int i = 0; i < 40; ++i) {
            const std::string text = randomText(6);
            ASSERT_EQ(fast.TakeFirstMatch(text), naive.TakeFirstMatch(text))
                << "round " << round << " text " << text;
        }
    }
}

TEST(RemainingNamesTest, ManyNamesOverManyLinesStayFast) {
    std::vector<std::string> names;
    for (int i = 0; i < 10000; ++i) {
        names.push_back("file" + std::to_string(i) + ".zip");
    }
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += "http://example.com/mirror/" + std::to_string(i % 3) + "/FILE" +
                std::to_string((i * 7919) % 20000) + ".ZIP\n";
    }
    CRemainingNames remaining(Names(names));
    const auto start = std::chrono::steady_clock::now();
    const std::string extract = ExtractPlainUrls(text, remaining);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Lines name 0 to 19999, each number below 10000 at least once.
    EXPECT_TRUE(remaining.IsEmpty());
    EXPECT_EQ(std::count(extract.begin(), extract.end(), '\n'), 10000);
    RecordProperty("seconds", std::to_string(seconds));
    EXPECT_LT(seconds, 5.0);
}

}  // namespace
