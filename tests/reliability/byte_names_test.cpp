// Names made of every byte from 0x20 to 0xFC that the file system takes,
// as a single-byte character or as the lead byte of a double-byte one
// (also with the trail byte 0x5C, the backslash). Each file must be found
// in its folder, checksummed under its own name, and verified again from a
// saved report and from the two ".crc" list forms.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "engine/crc16.h"
#include "framework/cp932_text.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"
#include "ui/result/report_layout.h"

namespace {

struct NamedFile {
    std::string name;  // as the ANSI functions give it
    std::string content;
};

// Creates the files by their code page 932 names, skipping the names the
// file system refuses: separators and wildcards, and byte pairs that code
// page 932 leaves undefined, which all become the same name.
void MakeByteNames(const TestFolder& folder) {
    for (unsigned byte = 0x20; byte <= 0xFC; ++byte) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        // The hexadecimal digits keep the names of upper- and lower-case
        // letters apart, which the file system takes for one name.
        std::vector<std::string> names = {std::string("n") + static_cast<char>(byte) + "x" + hex +
                                          ".bin"};
        if ((byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0) {
            names.push_back(std::string("m") + static_cast<char>(byte) + "\x5C" + hex + ".bin");
        }
        for (const std::string& name : names) {
            HANDLE file = CreateFileA(folder.PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                const std::string content = name.substr(0, 1) + " byte " + hex;
                DWORD written = 0;
                WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                          nullptr);
                CloseHandle(file);
            }
        }
    }
}

// The folder's files in the order it lists them, named as the ANSI
// functions name them, with their contents read through their wide names.
std::vector<NamedFile> ListFolder(const TestFolder& folder) {
    std::vector<NamedFile> files;
    WIN32_FIND_DATAW entry;
    const std::wstring pattern =
        L"\\\\?\\" + std::wstring(folder.Path().begin(), folder.Path().end()) + L"\\*";
    HANDLE find = FindFirstFileW(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return files;
    }
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            continue;
        }
        bool lossy = false;
        const std::string narrow = NarrowText(entry.cFileName, &lossy);
        EXPECT_FALSE(lossy) << "a name code page 932 cannot hold";
        const std::wstring wide = pattern.substr(0, pattern.size() - 1) + entry.cFileName;
        HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        char content[64];
        DWORD got = 0;
        ReadFile(file, content, sizeof content, &got, nullptr);
        CloseHandle(file);
        files.push_back({narrow, std::string(content, got)});
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return files;
}

std::string ExpectedReport(const std::vector<NamedFile>& files) {
    CStringList messages;
    CStringList names;
    CCrcList crcs;
    CSizeList sizes;
    for (const NamedFile& file : files) {
        names.AddTail(file.name);
        crcs.AddTail(CrcOf(file.content));
        sizes.AddTail(static_cast<std::int64_t>(file.content.size()));
    }
    std::string report;
    BuildReportLines(messages, names, crcs, sizes,
                     [&report](const std::string& line) { report += line + "\r\n"; });
    return report;
}

using ByteNamesTest = ListCheckTest;

TEST_F(ByteNamesTest, EveryByteTheFileSystemTakesInFoldersAndLists) {
    MakeByteNames(folder);
    const std::vector<NamedFile> files = ListFolder(folder);
    // Of the 281 names, all but some 20 are made.
    ASSERT_GE(files.size(), 250u);

    // The folder: every file, under its own name, with its own CRC.
    TestFolder scratch;
    const ConsoleRun made = RunVarnelc(Quoted(folder.Path()), scratch);
    EXPECT_EQ(made.status, 0u);
    EXPECT_EQ(made.out, ExpectedReport(files));

    // The saved report, verified where it lies.
    const ConsoleRun verified = RunVarnelc(Quoted(scratch.Write("sums.txt", made.out)), scratch);
    EXPECT_EQ(verified.status, 1u);  // every name is looked for beside the report: none is there
    const std::string list = folder.Write("sums.txt", made.out);
    const ConsoleRun again = RunVarnelc(Quoted(list), scratch);
    EXPECT_EQ(again.status, 0u) << again.out.substr(0, 2000);

    // The two ".crc" forms: a column list names every file, a delimited
    // list every file whose name holds no space or comma.
    std::string column = "FileName\r\n--------\r\n";
    std::string delimited;
    std::vector<std::string> listed;
    for (const NamedFile& file : files) {
        const std::string crc = FormatCrcHex(CrcOf(file.content));
        const std::string size = std::to_string(file.content.size());
        column += file.name + "  " + crc + "  " + size + "\r\n";
        if (file.name.find_first_of(" ,") == std::string::npos) {
            delimited += file.name + ", " + crc + ", " + size + "\r\n";
            listed.push_back(file.name);
        }
    }
    RunInputs({folder.Write("sums.crc", delimited), folder.Write("column.crc", column)}, report);
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
    EXPECT_EQ(Rows().size(), listed.size() + files.size());
    EXPECT_TRUE(FailedNames().empty());
}

}  // namespace
