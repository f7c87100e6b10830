#include "framework/save_file_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"

namespace {

TEST(CommonDialogFilterTest, BarsBecomeNulsButTrailBytesStay) {
    const char expected[] = "テキストファイル(*.txt)\0*.txt\0\0";
    EXPECT_EQ(CommonDialogFilter("テキストファイル(*.txt)|*.txt||"),
              std::string(expected, sizeof expected - 1));
    // "ポ" is 0x83 0x7C: its trail byte is a bar.
    EXPECT_EQ(CommonDialogFilter("\x83\x7C|*.p||"), std::string("\x83\x7C\0*.p\0\0", 8));
}

// What the test's timer did with the dialog it found.
struct Answer {
    HWND owner = nullptr;
    std::string fileName;  // typed into the dialog; empty cancels
    std::string firstFilter;
    bool found = false;
};
Answer g_answer;

constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFilterCombo = 0x470;    // cmb1

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            if (GetWindow(window, GW_OWNER) != g_answer.owner || !IsWindowVisible(window)) {
                return TRUE;
            }
            g_answer.found = true;
            char filter[128] = {};
            SendDlgItemMessageA(window, kFilterCombo, CB_GETLBTEXT, 0,
                                reinterpret_cast<LPARAM>(filter));
            g_answer.firstFilter = filter;
            if (g_answer.fileName.empty()) {
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            } else {
                SetDlgItemTextA(window, kFileNameCombo, g_answer.fileName.c_str());
                PostMessageA(window, WM_COMMAND, IDOK, 0);
            }
            return FALSE;
        },
        0);
}

class SaveFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, nullptr, nullptr);
        g_answer = Answer();
        g_answer.owner = owner;
    }
    void TearDown() override { DestroyWindow(owner); }

    std::optional<std::string> Ask() {
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerDialog);
        auto path = AskSaveFileName(owner, "テキストファイル(*.txt)|*.txt||", "txt",
                                    OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        KillTimer(nullptr, timer);
        return path;
    }

    HWND owner = nullptr;
    TestFolder folder;
};

TEST_F(SaveFileDialogTest, ReturnsTheTypedNameWithTheDefaultExtension) {
    g_answer.fileName = folder.PathOf("結果");
    const auto path = Ask();
    EXPECT_TRUE(g_answer.found);
    EXPECT_EQ(g_answer.firstFilter, "テキストファイル(*.txt)");
    EXPECT_EQ(path, folder.PathOf("結果.txt"));
}

TEST_F(SaveFileDialogTest, CancellingGivesNothing) {
    EXPECT_EQ(Ask(), std::nullopt);
    EXPECT_TRUE(g_answer.found);
}

}  // namespace
