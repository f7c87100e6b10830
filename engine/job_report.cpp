#include "engine/job_report.h"

#include <utility>

void CJobReport::AddRow(const std::string& name, std::uint16_t crc, std::int64_t size) {
    m_lines.nameList.AddTail(name);
    try {
        m_lines.crcList.AddTail(crc);
        m_lines.sizeList.AddTail(size);
    } catch (...) {
        while (m_lines.crcList.GetCount() > m_lines.sizeList.GetCount()) {
            m_lines.crcList.RemoveTail();
        }
        m_lines.nameList.RemoveTail();
        throw;
    }
}

void CJobReport::AddMessage(std::string line) {
    m_lines.messageList.AddTail(std::move(line));
}

void CJobReport::MarkFailed(std::string name) {
    m_failedList.AddTail(std::move(name));
}

void CJobReport::Clear() {
    m_lines = {};
    m_failedList.RemoveAll();
}

JobReportLines CJobReport::TakeLines() {
    return std::exchange(m_lines, {});
}
