// Lays out reports from arbitrary rows (names of any bytes and length, any
// 16-bit CRC and any size a file can have) and reads them back as the report reader
// does: the table keeps its shape, and every row whose name a report can
// hold comes back with its name, CRC and size, so that a saved report
// verifies the very files it lists.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/cp932.h"
#include "fuzz/fuzz_check.h"
#include "lists/list_fields.h"
#include "lists/report_list_parser.h"
#include "ui/result/report_layout.h"

namespace {

struct Row {
    std::string name;
    std::uint16_t crc;
    std::int64_t size;
};

struct Job {
    std::vector<std::string> messages;
    std::vector<Row> rows;
};

Job ReadJob(const std::uint8_t* data, std::size_t size) {
    Job job;
    std::size_t offset = 0;
    while (offset + 11 <= size) {
        const std::size_t nameLength = data[offset] % 40;
        std::uint16_t crc;
        std::int64_t fileSize;
        std::memcpy(&crc, data + offset + 1, 2);
        std::memcpy(&fileSize, data + offset + 3, 8);
        offset += 11;
        const std::size_t take = nameLength < size - offset ? nameLength : size - offset;
        std::string name(reinterpret_cast<const char*>(data + offset), take);
        offset += take;
        // Names and messages come from file names and list lines, which
        // never hold a line feed.
        std::replace(name.begin(), name.end(), '\n', '?');
        if (fileSize & 1) {
            job.messages.push_back(std::move(name));
        } else {
            // A row's size is a file's length, or 0 where none was taken.
            job.rows.push_back({std::move(name), crc, fileSize & INT64_MAX});
        }
    }
    return job;
}

// A name the report reader gives back as it stands: no trailing
// white space, not blank, not a word the header or the total line begins with.
bool SurvivesTheReport(const std::string& name) {
    return !name.empty() && TrimAsciiSpaceRight(name).size() == name.size() && !IsBlankLine(name);
}

std::vector<std::string> LayOut(const Job& job) {
    CStringList messages;
    CStringList names;
    CCrcList crcs;
    CSizeList sizes;
    for (const std::string& message : job.messages) {
        messages.AddTail(message);
    }
    for (const Row& row : job.rows) {
        names.AddTail(row.name);
        crcs.AddTail(row.crc);
        sizes.AddTail(row.size);
    }
    std::vector<std::string> lines;
    BuildReportLines(messages, names, crcs, sizes,
                     [&lines](const std::string& line) { lines.push_back(line); });
    Expect(messages.IsEmpty() && names.IsEmpty() && crcs.IsEmpty() && sizes.IsEmpty(),
           "the layout left rows or messages behind");
    return lines;
}

void CheckShape(const std::vector<std::string>& lines, std::size_t rows) {
    // Header, rule, rows, closing rule, total; rows as long as the rules.
    const std::size_t first = lines.size() - rows - 4;
    const std::size_t width = lines[first + rows + 2].size();
    Expect(lines[first].starts_with("Name"), "no header");
    for (std::size_t i = first + 2; i < first + 2 + rows; ++i) {
        Expect(lines[i].size() == width, "a row not as wide as the table");
    }
    Expect(lines[first + rows + 3].starts_with("Total  " + std::to_string(rows) + " Files  "),
           "the total line counts otherwise");
}

void CheckReadBack(const std::vector<std::string>& lines, const Job& job) {
    // As the report reader reads a saved report: its own rule opens the
    // table, whatever the messages above it begin with.
    ReportListParser parser(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return ReportListParser::IsReportRule(line);
    }));
    const std::size_t firstRow = lines.size() - job.rows.size() - 2;
    for (std::size_t i = 0; i < firstRow; ++i) {
        Expect(parser.Read(lines[i]).step == LineStep::Skip, "a message or the header read as a row");
    }
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        const Row& row = job.rows[i];
        const LineReading reading = parser.Read(lines[firstRow + i]);
        if (SurvivesTheReport(row.name)) {
            Expect(reading.step == LineStep::Entry && reading.entry.fault == EntryFault::None &&
                       reading.entry.name == row.name && reading.entry.crc == row.crc &&
                       reading.entry.size == row.size,
                   "a row read back differs from the row laid out");
        }
    }
    Expect(parser.Read(lines[firstRow + job.rows.size()]).step == LineStep::Skip,
           "the closing rule did not end the table");
    const LineReading total = parser.Read(lines[firstRow + job.rows.size() + 1]);
    Expect(total.step == LineStep::Skip && total.notes.messageLines == 0,
           "the total line taken for a row or a message");
    const bool whole = std::all_of(job.rows.begin(), job.rows.end(),
                                   [](const Row& row) { return SurvivesTheReport(row.name); });
    Expect(!whole || (total.notes == ListNotes{} && parser.Finish() == ListNotes{}),
           "a table read back whole does not add up to its own total line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Job job = ReadJob(data, size);
    const std::vector<std::string> lines = LayOut(job);
    if (job.rows.empty()) {
        return 0;
    }
    CheckShape(lines, job.rows.size());
    CheckReadBack(lines, job);
    return 0;
}
