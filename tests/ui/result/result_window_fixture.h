#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/job_report.h"
#include "framework/message_box.h"
#include "framework/profile.h"
#include "tests/support/test_files.h"
#include "tests/support/window_probe.h"
#include "ui/result/job_result.h"
#include "ui/result/result_dialog.h"

// A result window whose save dialog the test answers.
class CTestResultDlg : public CResultDlg {
public:
    std::optional<CFileName> savePath;
    int saveQuestions = 0;

protected:
    std::optional<CFileName> AskSavePath() override {
        ++saveQuestions;
        return savePath;
    }
};

// One message box the window showed.
struct ShownMessage {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    bool acceptedDrops;  // whether the owner accepted drops while it was shown
};

// Each test gets its own profile and answers message boxes itself; windows
// are made over the report the test fills.
class ResultWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProfilePathForTesting(folder.PathOf("varnel.INI"));
        SetMessageBoxHandlerForTesting([this](HWND owner, const std::string& text,
                                              const std::string& caption, UINT type) {
            const bool accepts = (GetWindowLongPtrA(owner, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
            shown.push_back({owner, text, caption, type, accepts});
            return IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxHandlerForTesting(nullptr);
        SetProfilePathForTesting("");
    }

    // Creates the window over the test's report, as its creators do.
    std::unique_ptr<CTestResultDlg> Open() {
        auto dialog = std::make_unique<CTestResultDlg>();
        dialog->m_pReport = &report;
        EXPECT_TRUE(dialog->Create());
        return dialog;
    }

    // Runs the window modally over the test's report, as the job's creators
    // do. Each tick of its modal loop calls the
    // first step not yet done with the window, until one returns true; after
    // the last the window is closed as by its close box.
    using Step = std::function<bool(HWND window)>;
    void ShowModally(const std::vector<Step>& steps) {
        std::size_t next = 0;
        const CModalDriver driver([&steps, &next] {
            // "比較結果" in code page 932.
            const HWND window = FindThreadWindow("\x94\xE4\x8A\x72\x8C\x8B\x89\xCA");
            if (window == nullptr || !steps[next](window) || ++next < steps.size()) {
                return false;
            }
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        });
        ShowJobResult(nullptr, report, JobDuration(1500));
        EXPECT_TRUE(driver.Done());
    }

    void AddRow(const std::string& name, std::uint16_t crc, std::int64_t size) {
        report.AddRow(name, crc, size);
    }

    TestFolder folder;
    CJobReport report;
    std::vector<ShownMessage> shown;
};

inline std::vector<std::string> ListLines(const CResultDlg& dialog) {
    return ListBoxLines(dialog.m_resultList.GetSafeHwnd());
}
