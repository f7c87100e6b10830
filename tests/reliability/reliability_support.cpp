#include "tests/reliability/reliability_support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "engine/crc16.h"
#include "engine/job_runner.h"
#include "engine/job_state.h"
#include "framework/cp932_text.h"
#include "lists/list_inputs.h"
#include "tests/lists/list_check_fixture.h"
#include "tests/support/test_files.h"
#include "ui/result/report_layout.h"

namespace {

std::wstring VerbatimPath(const std::string& path) {
    return L"\\\\?\\" + WidenText(path);
}

// The effect of one zero byte on the register, as 16 columns: column i is
// the register that bit i alone becomes.
using Matrix = std::array<std::uint16_t, 16>;

std::uint16_t Apply(const Matrix& matrix, std::uint16_t value) {
    std::uint16_t result = 0;
    for (int bit = 0; bit < 16; ++bit) {
        if (value & (1u << bit)) {
            result ^= matrix[bit];
        }
    }
    return result;
}

Matrix Compose(const Matrix& outer, const Matrix& inner) {
    Matrix result{};
    for (int bit = 0; bit < 16; ++bit) {
        result[bit] = Apply(outer, inner[bit]);
    }
    return result;
}

Matrix ZeroByte() {
    Matrix matrix{};
    for (int bit = 0; bit < 16; ++bit) {
        unsigned value = 1u << bit;
        for (int step = 0; step < 8; ++step) {
            value = (value & 1) ? (value >> 1) ^ 0x8408 : value >> 1;
        }
        matrix[bit] = static_cast<std::uint16_t>(value);
    }
    return matrix;
}

void RemoveTree(const std::wstring& root) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((root + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = root + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(root.c_str());
}

}  // namespace

void RunInputs(const std::vector<TextInput>& inputs, CJobReport& report) {
    report.Clear();
    RunJob(std::make_unique<CInputList>(InputsOf(inputs)), kChecksumLists, report);
    EXPECT_EQ(g_jobRunning.load(), 0);
}

std::vector<std::string> TakeReport(CJobReport& report) {
    std::vector<std::string> lines;
    JobReportLines taken = report.TakeLines();
    BuildReportLines(taken.messageList, taken.nameList, taken.crcList, taken.sizeList,
                     [&lines](const std::string& line) { lines.push_back(line); });
    return lines;
}

bool WriteVerbatim(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(VerbatimPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    return ok;
}

bool MakeFolderVerbatim(const std::string& path) {
    return CreateDirectoryW(VerbatimPath(path).c_str(), nullptr) != 0;
}

void RemoveTreeVerbatim(const std::string& path) {
    RemoveTree(VerbatimPath(path));
}

std::uint16_t CrcOfZeros(std::uint16_t crc, std::uint64_t count) {
    Matrix power = ZeroByte();
    for (; count != 0; count >>= 1) {
        if (count & 1) {
            crc = Apply(power, crc);
        }
        power = Compose(power, power);
    }
    return crc;
}

std::uint16_t CrcOf(const std::string& bytes) {
    return UpdateCrcBytewise(kCrcInitial, bytes.data(), bytes.size());
}
