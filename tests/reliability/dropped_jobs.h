#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/drop/drop_dialog.h"

class TestFolder;

// The drop window on this thread with the real background job and the real
// result window, driven as the user would: items dropped on it, and each
// result window read line by line and closed as soon as it has opened.
class DroppedJobs {
public:
    // The window's settings go to a profile in scratch.
    explicit DroppedJobs(const TestFolder& scratch);
    ~DroppedJobs();
    DroppedJobs(const DroppedJobs&) = delete;
    DroppedJobs& operator=(const DroppedJobs&) = delete;

    HWND Window() const { return m_hwnd; }
    bool IsOpen() const { return IsWindow(m_hwnd) != FALSE; }
    void Drop(const std::vector<std::string>& paths);
    // Dispatches messages until the window is back to accepting drops after
    // a report, or the time is up.
    bool WaitForReport(std::chrono::milliseconds timeout);

    // The lines of each result window shown, in order.
    const std::vector<std::vector<std::string>>& Reports() const { return m_reports; }
    // Set: the window is closed while the result window is open.
    bool m_closeDuringReport = false;

private:
    void ShowResults(HWND owner);

    CDropDlg m_window;
    HWND m_hwnd = nullptr;
    std::vector<std::vector<std::string>> m_reports;
};

// One row of a report, read back from its text.
struct ReportRow {
    std::string name;
    std::string crc;   // four hexadecimal digits
    std::string size;  // grouped decimal
    bool operator==(const ReportRow&) const = default;
};

// The rows of a report's lines (between its two rules); the other lines
// (messages, header, total) are left out.
std::vector<ReportRow> RowsOf(const std::vector<std::string>& report);
// The row a report shows for a file of these bytes.
ReportRow ExpectedRow(const std::string& name, const std::string& bytes);
