#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/job_report.h"
#include "engine/job_state.h"
#include "tests/support/child_process.h"
#include "tests/support/named_files.h"

class TestFolder;

// Runs a job over the inputs as the command-line mode does, on this thread,
// into report, emptied first.
void RunInputs(const std::vector<TextInput>& inputs, CJobReport& report);

// The report as the result window shows it, one string per line. Consumes
// the messages and rows.
std::vector<std::string> TakeReport(CJobReport& report);

// Files and folders made through the verbatim ("\\?\") form of their path,
// so that names ordinary paths do not reach can be made too ("x.", "nul",
// paths past 260 bytes). path is a full path in code page 932. Return false
// when the file system refuses the name.
bool WriteVerbatim(const std::string& path, const std::string& bytes);
bool MakeFolderVerbatim(const std::string& path);
void RemoveTreeVerbatim(const std::string& path);

// The CRC-16 register after count zero bytes, from crc, computed from the
// polynomial bit by bit (the effect of one zero byte raised to the count-th
// power), not by the table that the program uses.
std::uint16_t CrcOfZeros(std::uint16_t crc, std::uint64_t count);

// The CRC of bytes by the program's reference loop, after BuildCrcTable.
std::uint16_t CrcOf(const std::string& bytes);
