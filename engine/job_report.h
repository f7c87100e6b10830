#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/containers.h"

// The lists a report is laid out from, handed over whole.
struct JobReportLines {
    CStringList messageList;  // message lines, in the order they arose
    CStringList nameList;     // name of each report row
    CCrcList crcList;         // CRC of each row; 0xFFFF where none was computed
    CSizeList sizeList;       // size of each row; 0 where the file could not be opened
};

// Everything a job reports, and the one way to write it. The job's thread
// writes while g_jobRunning is 1; its release store of 0 hands the report
// over to the window thread, which reads the flag with an acquire load.
class CJobReport {
public:
    // A row goes in whole or not at all, so the row lists stay parallel
    // even when memory runs out halfway through one.
    void AddRow(const std::string& name, std::uint16_t crc, std::int64_t size);
    void AddMessage(std::string line);
    // A listed file whose check did not end in a match, kept for URL lists.
    void MarkFailed(std::string name);
    // Empties the messages, rows and failed names, for the next job.
    void Clear();

    std::size_t RowCount() const { return m_lines.nameList.GetCount(); }
    std::size_t MessageCount() const { return m_lines.messageList.GetCount(); }
    const JobReportLines& Lines() const { return m_lines; }
    const CStringList& FailedList() const { return m_failedList; }

    // The messages and rows, to be laid out; the report keeps none of them,
    // so a large report never stands in memory twice. The failed names stay.
    JobReportLines TakeLines();

private:
    JobReportLines m_lines;
    CStringList m_failedList;
};
