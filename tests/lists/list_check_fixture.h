#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/test_files.h"

// One report row as the job state holds it.
struct Row {
    std::string name;
    std::uint16_t crc = 0;
    std::int64_t size = 0;
    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& row);

// The rows, messages and failed names the job state holds. Rows() fails the
// test when the three row lists are not parallel.
std::vector<Row> Rows();
std::vector<std::string> Messages();
std::vector<std::string> FailedNames();

// Empties the five lists and clears both flags.
void ResetJobState();

// Content of size bytes (at least 2) whose CRC-16 is crc.
std::string ContentWithCrc(std::size_t size, std::uint16_t crc);

// Makes path a file of size bytes without writing them (sparse where the
// file system allows): for files of several gigabytes.
void MakeLongFile(const std::string& path, std::int64_t size);

// A fresh job state and a test folder for each test; no observer afterwards.
class ListCheckTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TestFolder folder;
};
