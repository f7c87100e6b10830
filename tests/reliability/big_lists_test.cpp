// Lists of exactly 1,048,577 bytes, just past the mebibyte lists were once
// refused at, each holding tens of thousands of entries that name 64 files
// over and over:
// every entry has its row, in order, the rows parallel; each file is
// checked at its first line, exactly the altered one fails, and every later
// line is named as naming a file checked before.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "engine/crc16.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"

namespace {

constexpr std::size_t kLargestList = 1'048'577;
constexpr int kFiles = 64;

struct ListedFile {
    std::string name;
    std::uint16_t crc;
    std::int64_t size;
};

// Fills a list up to exactly kLargestList bytes: line(i) for as long as a
// whole line fits with the closing text, then the padding that no reader
// takes for an entry.
std::string FillList(const std::string& head, const std::function<std::string(int)>& line,
                     const std::string& closing, char padding, int& entries) {
    std::string list = head;
    for (entries = 0;; ++entries) {
        const std::string next = line(entries);
        if (list.size() + next.size() + closing.size() > kLargestList) {
            break;
        }
        list += next;
    }
    list += closing;
    list.append(kLargestList - list.size(), padding);
    return list;
}

class BigListTest : public ListCheckTest {
protected:
    void SetUp() override {
        ListCheckTest::SetUp();
        for (int i = 0; i < kFiles; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "f%02d.bin", i);
            const std::string content = "content of " + std::string(name) + std::string(i, '+');
            folder.Write(name, content);
            files.push_back({name, CrcOf(content), static_cast<std::int64_t>(content.size())});
        }
    }

    // Every 997th entry lists a wrong CRC.
    static bool Altered(int entry) { return entry % 997 == 50; }
    const ListedFile& FileOf(int entry) const { return files[entry % kFiles]; }
    std::uint16_t ListedCrc(int entry) const {
        return static_cast<std::uint16_t>(FileOf(entry).crc + (Altered(entry) ? 1 : 0));
    }

    // Runs the list and checks every row against the entries it holds;
    // listMessages: the messages about the list as a whole.
    void Verify(const std::string& list, int entries, std::size_t listMessages = 0) {
        const auto start = std::chrono::steady_clock::now();
        RunInputs({list}, report);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%d entries verified in %.1f s\n", entries, seconds);
        ASSERT_EQ(ReadFileBytes(list).size(), kLargestList);
        const std::vector<Row> rows = Rows();
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(entries));
        std::vector<std::string> failed;
        for (int i = 0; i < entries; ++i) {
            const ListedFile& file = FileOf(i);
            const bool checked = i < kFiles;
            const Row row =
                checked ? Row{file.name, file.crc, file.size} : Row{file.name, 0xFFFF, 0};
            ASSERT_EQ(rows[i], row) << i;
            if (Altered(i) || !checked) {
                failed.push_back(file.name);
            }
        }
        EXPECT_EQ(FailedNames(), failed);
        EXPECT_EQ(Messages().size(), failed.size() + listMessages);
    }

    std::vector<ListedFile> files;
};

TEST_F(BigListTest, ADelimitedListPastAMebibyte) {
    int entries = 0;
    const std::string list = FillList(
        "",
        [this](int i) {
            return FileOf(i).name + ", " + FormatCrcHex(ListedCrc(i)) + ", " +
                   std::to_string(FileOf(i).size) + "\r\n";
        },
        "", ' ', entries);
    ASSERT_GT(entries, 50000);
    Verify(folder.Write("sums.crc", list), entries);
}

TEST_F(BigListTest, AReportPastAMebibyte) {
    int entries = 0;
    const std::string list = FillList(
        "Name     CRC   Bytes\r\n-------  ----  -----\r\n",
        [this](int i) {
            char row[64];
            std::snprintf(row, sizeof row, "%s  %s  %5lld\r\n", FileOf(i).name.c_str(),
                          FormatCrcHex(ListedCrc(i)).c_str(),
                          static_cast<long long>(FileOf(i).size));
            return std::string(row);
        },
        // Text after the total would be a message line of another report.
        "--------------------\r\nTotal  0 Files  0 Bytes\r\n", ' ', entries);
    ASSERT_GT(entries, 40000);
    // The total line states no row: the table does not add up to it.
    Verify(folder.Write("sums.txt", list), entries, 1);
}

TEST_F(BigListTest, AColumnListPastAMebibyte) {
    int entries = 0;
    const std::string list = FillList(
        "FileName  CRC   Size\r\n--------\r\n",
        [this](int i) {
            return FileOf(i).name + "  " + FormatCrcHex(ListedCrc(i)) + "  " +
                   std::to_string(FileOf(i).size) + "\r\n";
        },
        "--------\r\n", ' ', entries);
    ASSERT_GT(entries, 40000);
    Verify(folder.Write("column.crc", list), entries);
}

// A list well within the limit whose first name is 600,000 bytes long,
// followed by 20,000 entries of missing files: every entry has its row, yet
// the report stays a few megabytes and comes at once, since no row is
// widened for the long name.
TEST_F(BigListTest, AListWithAHugeNameGivesAReportBoundedByTheList) {
    std::string list(600000, 'n');
    list += ", 0000, 0\r\n";
    for (int i = 0; i < 20000; ++i) {
        list += "a, 0000, 0\r\n";
    }
    TestFolder scratch;
    const auto start = std::chrono::steady_clock::now();
    const ConsoleRun run = RunVarnelc(Quoted(folder.Write("hostile.crc", list)), scratch);
    std::printf("a list of %zu bytes: report of %zu bytes in %.1f s\n", list.size(), run.out.size(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 1u);
    EXPECT_LT(run.out.size(), std::size_t{4} << 20);
    std::size_t rows = 0;
    for (std::size_t at = 0;
         (at = run.out.find("\r\na     FFFF      0\r\n", at)) != std::string::npos; at += 2) {
        ++rows;
    }
    EXPECT_EQ(rows, 20000u);
    EXPECT_NE(run.out.find("\r\n" + std::string(600000, 'n') + "  FFFF      0\r\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\r\nTotal  20001 Files  0 Bytes\r\n"), std::string::npos);
}

// A tree whose report passes a mebibyte, as a photo library's does (here
// from few files with long names, to stay quick): the report saved inside
// the tree verifies, and then names the one file changed.
TEST(BigTreeTest, AReportPastAMebibyteSavedInsideItsTreeVerifies) {
    TestFolder data;
    TestFolder scratch;
    const std::string tree = data.MakeFolder("tree");
    const std::string stem(120, 'p');
    std::string changed;
    for (int f = 0; f < 64; ++f) {
        const std::string sub = std::to_string(100 + f) + std::string(27, 'd');
        data.MakeFolder("tree\\" + sub);
        for (int i = 0; i < 100; ++i) {
            changed = sub + "\\" + stem + std::to_string(1000 + i) + ".bin";
            data.Write("tree\\" + changed, "file " + std::to_string(f * 100 + i));
        }
    }
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.c_str()));
    const ConsoleRun saved = RunVarnelc("-r .", scratch);
    SetCurrentDirectoryA(previous);
    ASSERT_EQ(saved.status, 0u) << saved.err;
    ASSERT_GT(saved.out.size(), std::size_t{1} << 20);
    const std::string list = data.Write("tree\\sums.txt", saved.out);
    const ConsoleRun verified = RunVarnelc("-r " + Quoted(list), scratch);
    EXPECT_EQ(verified.status, 0u) << verified.out.substr(0, 300);
    EXPECT_NE(verified.out.find("Total  6400 Files"), std::string::npos);

    data.Write("tree\\" + changed, "changed");
    const ConsoleRun after = RunVarnelc(Quoted(list), scratch);
    EXPECT_EQ(after.status, 1u);
    EXPECT_EQ(after.out.rfind(changed + ":", 0), 0u) << after.out.substr(0, 300);
}

}  // namespace
