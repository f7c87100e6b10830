// Files that change or vanish while the job looks at them. A listed file is
// measured first and read for its CRC afterwards; in between, or while it is
// read, another program may shorten, lengthen or delete it. What the row
// shows must then describe one state of the file, and a file whose check
// saw two states must not pass.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "engine/crc16.h"
#include "engine/file_crc.h"
#include "engine/job_control.h"
#include "lists/entry_outcome.h"
#include "lists/report_format.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/reliability/reliability_support.h"

namespace {

const std::string kReadError = ":\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";

constexpr std::size_t kChunk = 1 << 20;

// Runs an action once, at the first chunk of file data the job has read:
// the file is then open and part-way read.
class AtFirstChunk : public JobObserver {
public:
    explicit AtFirstChunk(std::function<void()> action) : m_action(std::move(action)) {}
    void OnInputStarted(const std::string&) override {}
    void OnBytesRead(std::int64_t) override {
        if (m_action) {
            std::exchange(m_action, nullptr)();
        }
    }

private:
    std::function<void()> m_action;
};

// What another program does to the file: cut it to length bytes through
// a handle of its own, sharing the file as the checker does.
void Truncate(const std::string& path, std::int64_t length) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = length;
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    EXPECT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
}

std::string Content(std::size_t size) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        content[i] = static_cast<char>((i * 7919) >> 5);
    }
    return content;
}

using ChangingFileTest = ListCheckTest;

// The chunk checkpoint makes the race deterministic: the file is cut while
// the job holds it open, after its length was taken and one chunk read.
TEST_F(ChangingFileTest, AListedFileCutWhileItIsReadFailsAsUnreadable) {
    const std::string content = Content(3 * kChunk + 5);
    const std::string crc = FormatCrcHex(CrcOf(content));
    const std::string size = std::to_string(content.size());
    const std::string lists[] = {
        folder.Write("sums.crc", "data.bin, " + crc + ", " + size + "\r\n"),
        folder.Write("sums.txt", "Name      CRC   Bytes\n--------  ----  -----\ndata.bin  " + crc +
                                     "  " + size + "\n--------\nTotal  1 Files  " +
                                     GroupThousands(std::stoll(size)) + " Bytes\n"),
        folder.Write("column.crc", "FileName\r\n-\r\ndata.bin  " + crc + "  " + size + "\r\n")};
    for (const std::string& list : lists) {
        const std::string data = folder.Write("data.bin", content);
        AtFirstChunk cut([&data] { Truncate(data, kChunk + 10); });
        SetJobObserver(&cut);
        RunInputs({list}, report);
        SetJobObserver(nullptr);
        const std::string subject = list.ends_with("column.crc") ? data : "data.bin";
        EXPECT_EQ(Rows(), (std::vector<Row>{{"data.bin", 0xFFFF, 0}})) << list;
        EXPECT_EQ(Messages(), std::vector<std::string>{subject + kReadError}) << list;
        EXPECT_EQ(FailedNames(), std::vector<std::string>{"data.bin"}) << list;
    }
}

// A file only checksummed is described by the bytes its CRC covers: the
// row's size is theirs, so that name, size and CRC belong to one state.
TEST_F(ChangingFileTest, AFileCutWhileItIsChecksummedGetsTheSizeItsCrcCovers) {
    const std::string content = Content(3 * kChunk + 5);
    const std::string data = folder.Write("data.bin", content);
    AtFirstChunk cut([&data] { Truncate(data, kChunk + 10); });
    SetJobObserver(&cut);
    RunInputs({data}, report);
    const std::vector<Row> rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_GE(rows[0].size, static_cast<std::int64_t>(kChunk + 10));
    EXPECT_LT(rows[0].size, static_cast<std::int64_t>(content.size()));
    EXPECT_EQ(rows[0].crc, CrcOf(content.substr(0, static_cast<std::size_t>(rows[0].size))));
}

// Deleting a file the job is reading is refused: the job's open handle does
// not share deletion. Had the system allowed it, the open handle would still
// read the whole file. Either way the CRC is the file's.
TEST_F(ChangingFileTest, AFileDeletedWhileItIsReadIsReadToItsEnd) {
    const std::string content = Content(2 * kChunk + 3);
    const std::string data = folder.Write("data.bin", content);
    BOOL deleted = FALSE;
    AtFirstChunk remove([&] { deleted = DeleteFileA(data.c_str()); });
    SetJobObserver(&remove);
    RunInputs({data}, report);
    EXPECT_EQ(Rows(), (std::vector<Row>{{"data.bin", CrcOf(content),
                                         static_cast<std::int64_t>(content.size())}}));
    EXPECT_FALSE(deleted);
}

// Between the length and the CRC there is no checkpoint, so the race is
// made deterministic through the probe the check reaches files by: the
// disk's, but deleting the file once its length is taken.
TEST_F(ChangingFileTest, AListedFileThatVanishesBetweenItsLengthAndItsCrcIsUnreadable) {
    struct VanishingDisk : ListedFileProbe {
        std::string path;
        ProbedLength Length() override {
            const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
            if (fd < 0) {
                return {};
            }
            const std::int64_t length = _filelengthi64(fd);
            _close(fd);
            EXPECT_TRUE(DeleteFileA(path.c_str()));
            return {length, OpenFailure::None};
        }
        std::uint16_t Crc(std::int64_t& bytesRead) override {
            return ComputeFileCrc(Named(path), &bytesRead);
        }
    } disk;
    for (CheckOrder order : {CheckOrder::SizeFirst, CheckOrder::CrcFirst}) {
        disk.path = folder.Write("a.bin", "123456789");
        RecordEntry("a.bin", CompareListedFile(disk, "a.bin", 0x6F91, 9, order, "a.bin").value(),
                    report);
    }
    EXPECT_EQ(Rows(), (std::vector<Row>{{"a.bin", 0xFFFF, 0}, {"a.bin", 0xFFFF, 0}}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"a.bin" + kReadError, "a.bin" + kReadError}));
    EXPECT_EQ(FailedNames(), (std::vector<std::string>{"a.bin", "a.bin"}));
}

}  // namespace
