#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/job_report.h"

class TestFolder;

// The drop window as the program shows it: run modally, on a thread of its
// own, with the program's check and the real result window. The test's
// thread drives it as the user would: items dropped on it, a double-click,
// a close; each result window is read line by line and closed as soon as it
// has opened. Message boxes the window asks go to the test's handler (see
// SetMessageBoxHandlerForTesting), on the window's thread.
class DroppedJobs {
public:
    // The window's settings go to a profile in scratch.
    explicit DroppedJobs(const TestFolder& scratch);
    // Closes the window if it is still open, and waits until it has gone.
    ~DroppedJobs();
    DroppedJobs(const DroppedJobs&) = delete;
    DroppedJobs& operator=(const DroppedJobs&) = delete;

    HWND Window() const { return m_hwnd.load(); }
    // True until the modal loop has returned and the window's thread ended:
    // a closed window has stopped and waited for its job by then.
    bool IsOpen() const { return !m_ended.load(); }
    void Drop(const std::vector<std::string>& paths);
    void DoubleClick();
    // Closes the window as the close box does; returns at once.
    void Close();
    // Waits until the window is back to accepting drops after the report of
    // the last drop, or has gone; false when the time is up first.
    bool WaitForReport(std::chrono::milliseconds timeout);
    bool WaitUntilClosed(std::chrono::milliseconds timeout);

    // The report the window's jobs write: once the window has closed, what
    // its last job recorded.
    CJobReport& Report() { return m_report; }
    // The lines of each result window shown, in order.
    std::vector<std::vector<std::string>> Reports() const;
    // Set: the window is closed while the result window is open.
    std::atomic<bool> m_closeDuringReport{false};

private:
    void Run();
    void ShowResults(HWND owner, CJobReport& report);

    CJobReport m_report;

    std::atomic<HWND> m_hwnd{nullptr};
    std::atomic<bool> m_ended{false};
    mutable std::mutex m_mutex;
    std::vector<std::vector<std::string>> m_reports;
    std::size_t m_reportsBeforeDrop = 0;
    std::thread m_thread;
};

// Waits, on a thread without windows, until done() holds; false when the
// time is up first.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

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
