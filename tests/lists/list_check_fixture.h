#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/job_report.h"
#include "tests/support/test_files.h"

// One report row as the report holds it.
struct Row {
    std::string name;
    std::uint16_t crc = 0;
    std::int64_t size = 0;
    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& row);

// Content of size bytes (at least 2) whose CRC-16 is crc.
std::string ContentWithCrc(std::size_t size, std::uint16_t crc);

// Makes path a file of size bytes without writing them (sparse where the
// file system allows): for files of several gigabytes.
void MakeLongFile(const std::string& path, std::int64_t size);

// A report, clear job flags and a test folder for each test; no observer
// afterwards.
class ListCheckTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The rows, messages and failed names of the report. Rows() fails the
    // test when the three row lists are not parallel.
    std::vector<Row> Rows() const;
    std::vector<std::string> Messages() const;
    std::vector<std::string> FailedNames() const;

    TestFolder folder;
    CJobReport report;
};
