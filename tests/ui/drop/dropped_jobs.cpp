#include "tests/ui/drop/dropped_jobs.h"

#include <cstdio>
#include <sstream>

#include "app/run_check.h"
#include "engine/crc16.h"
#include "framework/profile.h"
#include "res/resource.h"
#include "tests/support/drop_handle.h"
#include "tests/support/test_files.h"
#include "tests/support/window_probe.h"
#include "tests/ui/drop/drop_test_support.h"
#include "ui/drop/drop_dialog.h"
#include "ui/result/job_result.h"
#include "ui/result/report_layout.h"

namespace {

using namespace std::chrono_literals;

// The program's window, telling the test when it is shown.
class CShownDropDlg : public CDropDlg {
public:
    using CDropDlg::CDropDlg;
    std::function<void(HWND)> m_shown;

protected:
    BOOL OnInitDialog() override {
        const BOOL focus = CDropDlg::OnInitDialog();
        m_shown(m_hWnd);
        return focus;
    }
};

}  // namespace

DroppedJobs::DroppedJobs(const TestFolder& scratch) {
    SetProfilePathForTesting(scratch.PathOf("VARNEL.INI"));
    m_thread = std::thread([this] { Run(); });
    WaitUntil([this] { return m_hwnd.load() != nullptr || m_ended.load(); }, 30s);
}

DroppedJobs::~DroppedJobs() {
    if (IsOpen()) {
        Close();
    }
    m_thread.join();
    SetProfilePathForTesting("");
}

void DroppedJobs::Run() {
    {
        CShownDropDlg window(m_report);
        window.m_shown = [this](HWND hwnd) { m_hwnd = hwnd; };
        window.m_check = RunCheck;
        window.m_showResults = [this](HWND owner, CJobReport& report, JobDuration) {
            ShowResults(owner, report);
        };
        window.DoModal();
    }
    m_ended = true;
}

void DroppedJobs::Drop(const std::vector<std::string>& paths) {
    m_reportsBeforeDrop = Reports().size();
    SendMessageA(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle(paths)), 0);
}

void DroppedJobs::DoubleClick() {
    PostMessageA(Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
}

void DroppedJobs::Close() {
    PostMessageA(Window(), WM_CLOSE, 0, 0);
}

bool DroppedJobs::WaitForReport(std::chrono::milliseconds timeout) {
    return WaitUntil(
        [&] {
            return !IsOpen() || (Reports().size() > m_reportsBeforeDrop && AcceptsDrops(Window()));
        },
        timeout);
}

bool DroppedJobs::WaitUntilClosed(std::chrono::milliseconds timeout) {
    return WaitUntil([this] { return !IsOpen(); }, timeout);
}

std::vector<std::vector<std::string>> DroppedJobs::Reports() const {
    std::lock_guard lock(m_mutex);
    return m_reports;
}

// The real result window, read from inside its modal loop once it shows.
void DroppedJobs::ShowResults(HWND owner, CJobReport& report) {
    std::vector<std::string> lines;
    const CModalDriver driver([&] {
        const HWND result = FindOwnedWindow(owner);
        if (result == nullptr) {
            return false;
        }
        lines = ListBoxLines(GetDlgItem(result, IDC_RESULT_LIST));
        if (m_closeDuringReport) {
            PostMessageA(owner, WM_CLOSE, 0, 0);
        }
        PostMessageA(result, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    });
    ShowJobResult(owner, report, JobDuration::zero());
    std::lock_guard lock(m_mutex);
    m_reports.push_back(std::move(lines));
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return done();
        }
        Sleep(5);
    }
    return true;
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
    return ReportRow{name, FormatCrcHex(UpdateCrcBytewise(kCrcInitial, bytes.data(), bytes.size())),
                     GroupThousands(static_cast<std::int64_t>(bytes.size()))};
}
