// Paths of exactly 259, 260 and 261 bytes: the last that ordinary narrow
// paths reach, and the first two past it. A file at such a path, named on
// the command line, found in its folder or named by a list beside it, must
// be checksummed, or named whole in a clear message; never skipped in
// silence, never under a shortened name.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "engine/crc16.h"
#include "engine/folder_expansion.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"

namespace {

const std::string kCannotOpen =
    ":\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
// "パスが長すぎて開けません"
const std::string kTooLong =
    ":\x83\x70\x83\x58\x82\xAA\x92\xB7\x82\xB7\x82\xAC\x82\xC4\x8A\x4A\x82\xAF\x82\xDC\x82\xB9"
    "\x82\xF1";

// "表示" and "ソフト": folder names whose trail bytes include 0x5C.
const std::string kFolderPart = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67";

struct Placed {
    std::string folder;
    std::string path;
    std::string name;
};

class LongPathsTest : public ListCheckTest {
protected:
    // Either the row of the file, or a message naming its path whole.
    void ExpectRowOrWholeMessage(const Placed& file, const std::string& message) const {
        const std::vector<Row> rows = Rows();
        const std::vector<std::string> messages = Messages();
        if (rows.empty()) {
            EXPECT_EQ(messages, std::vector<std::string>{file.path + message}) << file.path.size();
        } else {
            EXPECT_EQ(rows, (std::vector<Row>{{file.name, 0x6F91, 9}})) << file.path.size();
        }
    }

    void TearDown() override {
        RemoveTreeVerbatim(folder.Path());
        ListCheckTest::TearDown();
    }

    // A folder below the test folder whose path is length bytes long, made
    // of components of at most 60 bytes. With double-byte names, the path
    // has fewer characters than bytes, and the system counts characters.
    std::string DeepFolder(std::size_t length, bool doubleByte = false) const {
        std::string path = folder.Path();
        EXPECT_LT(path.size() + 70, length);
        const std::string part = doubleByte ? kFolderPart : "abcdefghij";
        while (path.size() < length) {
            const std::size_t room = length - path.size() - 1;
            std::string component = room > 60 ? part + std::string(40, 'd') : "";
            if (component.empty()) {
                component = std::string(room, 'e');
                if (room > 10) {
                    component.replace(0, part.size(), part);
                }
            }
            path.append(1, '\\').append(component);
            EXPECT_TRUE(MakeFolderVerbatim(path) || GetLastError() == ERROR_ALREADY_EXISTS)
                << path.size();
        }
        return path;
    }
};

const std::string kContent = "123456789";

std::string NameOfLength(const char* prefix, std::size_t length) {
    std::string name = prefix;
    name += std::to_string(length);
    name += ".bin";
    return name;
}

TEST_F(LongPathsTest, FilesAtPathsOf259To261Bytes) {
    for (std::size_t length : {259u, 260u, 261u}) {
        for (bool doubleByte : {false, true}) {
            SCOPED_TRACE(length);
            const std::string name = NameOfLength("f", length);
            const std::string deep = DeepFolder(length - name.size() - 1, doubleByte);
            const Placed file{deep, deep + "\\" + name, name};
            ASSERT_EQ(file.path.size(), length);
            ASSERT_TRUE(WriteVerbatim(file.path, kContent));

            // Named directly.
            RunInputs({file.path}, report);
            ExpectRowOrWholeMessage(file, kCannotOpen);

            // Found in its folder: never skipped in silence.
            CInputList inputs;
            EXPECT_EQ(AddFolderFiles(Named(file.folder), inputs, report), 1u);
            EXPECT_EQ(inputs, InputsOf({{file.path, true}}));

            // Named by a list beside it, itself at a long path.
            const std::string list = file.folder + "\\s.crc";
            ASSERT_TRUE(WriteVerbatim(list, name + ", 6F91, 9\r\n"));
            RunInputs({list}, report);
            const std::vector<std::string> messages = Messages();
            if (!messages.empty() && messages[0] == list + kCannotOpen) {
                EXPECT_TRUE(Rows().empty());
            } else {
                ExpectRowOrWholeMessage({file.folder, name, name}, kTooLong);
            }
        }
    }
}

// The console checker, as a user runs it: the file's path, its folder, and
// the list beside it, each named on the command line.
TEST_F(LongPathsTest, TheConsoleCheckerNamesLongPathsWhole) {
    TestFolder scratch;
    for (std::size_t length : {259u, 260u, 261u}) {
        for (bool doubleByte : {false, true}) {
            SCOPED_TRACE(length);
            const std::string name = NameOfLength("g", length);
            const std::string deep = DeepFolder(length - name.size() - 1, doubleByte);
            const std::string path = deep + "\\" + name;
            ASSERT_TRUE(WriteVerbatim(path, kContent));
            const std::string row = name + "  6F91      9\r\n";
            for (const std::string& argument : {path, deep}) {
                const ConsoleRun run = RunVarnelc(Quoted(argument), scratch);
                if (run.status == 0) {
                    EXPECT_NE(run.out.find(row), std::string::npos) << run.out;
                } else {
                    EXPECT_EQ(run.out, argument + kCannotOpen + "\r\n");
                }
            }
        }
    }
}

// Folders whose own paths are 256 to 261 bytes long: the search for their
// files ("\\*.*" added) passes the limit before the folder does.
TEST_F(LongPathsTest, FoldersAtPathsOf256To261BytesGiveTheirFiles) {
    TestFolder scratch;
    for (std::size_t length = 256; length <= 261; ++length) {
        for (bool doubleByte : {false, true}) {
            SCOPED_TRACE(length);
            const std::string deep = DeepFolder(length, doubleByte);
            ASSERT_EQ(deep.size(), length);
            const std::string path = deep + "\\a.bin";
            ASSERT_TRUE(WriteVerbatim(path, kContent));
            CInputList inputs;
            EXPECT_EQ(AddFolderFiles(Named(deep), inputs, report), 1u);
            EXPECT_EQ(inputs, InputsOf({{path, true}}));

            const ConsoleRun run = RunVarnelc(Quoted(deep), scratch);
            if (run.status == 0) {
                EXPECT_NE(run.out.find("a.bin  6F91      9\r\n"), std::string::npos) << run.out;
            } else {
                EXPECT_EQ(run.out, deep + kCannotOpen + "\r\n");
            }
        }
    }
}

}  // namespace
