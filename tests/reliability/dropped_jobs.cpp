#include "tests/reliability/dropped_jobs.h"

#include <cstdio>
#include <sstream>

#include "framework/profile.h"
#include "res/resource.h"
#include "tests/reliability/reliability_support.h"
#include "tests/support/drop_handle.h"
#include "tests/support/test_files.h"
#include "tests/support/window_probe.h"
#include "tests/ui/drop/drop_test_support.h"
#include "ui/result/job_result.h"
#include "ui/result/report_layout.h"

DroppedJobs::DroppedJobs(const TestFolder& scratch) {
    SetProfilePathForTesting(scratch.PathOf("VARNEL.INI"));
    m_window.m_showResults = [this](HWND owner) { ShowResults(owner); };
    if (m_window.Create()) {
        m_hwnd = m_window.GetSafeHwnd();
    }
}

DroppedJobs::~DroppedJobs() {
    if (IsOpen()) {
        DestroyWindow(m_hwnd);
    }
    SetProfilePathForTesting("");
}

void DroppedJobs::Drop(const std::vector<std::string>& paths) {
    SendMessageA(m_hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle(paths)), 0);
}

bool DroppedJobs::WaitForReport(std::chrono::milliseconds timeout) {
    const std::size_t before = m_reports.size();
    return PumpMessagesUntil(
        [&] { return m_reports.size() > before && (!IsOpen() || AcceptsDrops(m_hwnd)); }, timeout);
}

// The real result window, read from inside its modal loop once it shows.
void DroppedJobs::ShowResults(HWND owner) {
    std::vector<std::string> lines;
    const CModalDriver driver([&] {
        const HWND result = FindOwnedWindow(owner);
        if (result == nullptr) {
            return false;
        }
        lines = ListBoxLines(GetDlgItem(result, IDC_RESULT_LIST));
        if (m_closeDuringReport) {
            PostMessageA(owner, WM_CLOSE, 0, 0);
        } else {
            PostMessageA(result, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return true;
    });
    ShowJobResult(owner);
    m_reports.push_back(std::move(lines));
}

std::vector<ReportRow> RowsOf(const std::vector<std::string>& report) {
    std::vector<ReportRow> rows;
    int rules = 0;
    for (const std::string& line : report) {
        if (!line.empty() && line.find_first_not_of("- ") == std::string::npos) {
            ++rules;
            continue;
        }
        if (rules != 1) {
            continue;
        }
        std::istringstream fields(line);
        ReportRow row;
        fields >> row.name >> row.crc >> row.size;
        rows.push_back(row);
    }
    return rows;
}

ReportRow ExpectedRow(const std::string& name, const std::string& bytes) {
    char crc[8];
    std::snprintf(crc, sizeof crc, "%04X", CrcOf(bytes));
    return ReportRow{name, crc, GroupThousands(static_cast<std::int64_t>(bytes.size()))};
}
