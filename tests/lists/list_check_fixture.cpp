#include "tests/lists/list_check_fixture.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#include <fstream>
#endif

#include "engine/crc16.h"
#include "engine/job_control.h"
#include "engine/job_state.h"

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << "{" << row.name << ", " << FormatCrcHex(row.crc) << ", " << row.size << "}";
}

std::vector<Row> ListCheckTest::Rows() const {
    const JobReportLines& lines = report.Lines();
    EXPECT_EQ(lines.nameList.GetCount(), lines.crcList.GetCount());
    EXPECT_EQ(lines.nameList.GetCount(), lines.sizeList.GetCount());
    std::vector<Row> rows;
    auto crc = lines.crcList.begin();
    auto size = lines.sizeList.begin();
    for (auto name = lines.nameList.begin();
         name != lines.nameList.end() && crc != lines.crcList.end() && size != lines.sizeList.end();
         ++name, ++crc, ++size) {
        rows.push_back({*name, *crc, *size});
    }
    return rows;
}

std::vector<std::string> ListCheckTest::Messages() const {
    return {report.Lines().messageList.begin(), report.Lines().messageList.end()};
}

std::vector<std::string> ListCheckTest::FailedNames() const {
    return {report.FailedList().begin(), report.FailedList().end()};
}

std::string ContentWithCrc(std::size_t size, std::uint16_t crc) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i + 2 < size; ++i) {
        content[i] = static_cast<char>('a' + i % 26);
    }
    // Two more bytes reach every CRC-16 from any register value.
    const std::uint16_t prefix = UpdateCrc(kCrcInitial, content.data(), size - 2);
    for (unsigned tail = 0; tail <= 0xFFFF; ++tail) {
        const unsigned char bytes[2] = {static_cast<unsigned char>(tail),
                                        static_cast<unsigned char>(tail >> 8)};
        if (UpdateCrc(prefix, bytes, 2) == crc) {
            content[size - 2] = static_cast<char>(bytes[0]);
            content[size - 1] = static_cast<char>(bytes[1]);
            break;
        }
    }
    return content;
}

void MakeLongFile(const std::string& path, std::int64_t size) {
#ifdef _WIN32
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    LARGE_INTEGER end;
    end.QuadPart = size;
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    EXPECT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
#else
    std::ofstream{path};
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
#endif
}

void ListCheckTest::SetUp() {
    BuildCrcTable();
    // The lists are checked as inside a job that begins, not stopped.
    BeginJobFlags();
}

void ListCheckTest::TearDown() {
    SetJobObserver(nullptr);
    EndJobFlags();
}
