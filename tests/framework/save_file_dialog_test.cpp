#include "framework/save_file_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"
#include "tests/support/window_probe.h"

namespace {

TEST(CommonDialogFilterTest, BarsBecomeNulsButTrailBytesStay) {
    const wchar_t expected[] = L"\u30C6\u30AD\u30B9\u30C8(*.txt)\0*.txt\0\0";
    EXPECT_EQ(CommonDialogFilter("テキスト(*.txt)|*.txt||"),
              std::wstring(expected, std::size(expected) - 1));
    // "ポ" is 0x83 0x7C: its trail byte is a bar.
    EXPECT_EQ(CommonDialogFilter("\x83\x7C|*.p||"), std::wstring(L"\u30DD\0*.p\0\0", 7));
}

constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFilterCombo = 0x470;    // cmb1

// Answers the dialog through its own controls: types fileName and presses
// Save, or cancels when fileName is empty; notes the first filter shown.
class SaveFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    std::optional<std::string> Ask(const std::string& fileName) {
        const CModalDriver driver([&] {
            const HWND dialog = FindOwnedWindow(owner);
            if (dialog == nullptr) {
                return false;
            }
            char filter[128] = {};
            SendDlgItemMessageA(dialog, kFilterCombo, CB_GETLBTEXT, 0,
                                reinterpret_cast<LPARAM>(filter));
            firstFilter = filter;
            if (fileName.empty()) {
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            } else {
                SetDlgItemTextA(dialog, kFileNameCombo, fileName.c_str());
                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            }
            return true;
        });
        auto path = AskSaveFileName(owner, "テキストファイル(*.txt)|*.txt||", L"txt",
                                    OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        EXPECT_TRUE(driver.Done());
        if (!path) {
            return std::nullopt;
        }
        return path->Text();
    }

    HWND owner = nullptr;
    std::string firstFilter;
    TestFolder folder;
};

TEST_F(SaveFileDialogTest, ReturnsTheTypedNameWithTheDefaultExtension) {
    EXPECT_EQ(Ask(folder.PathOf("結果")), folder.PathOf("結果.txt"));
    EXPECT_EQ(firstFilter, "テキストファイル(*.txt)");
}

TEST_F(SaveFileDialogTest, CancellingGivesNothing) {
    EXPECT_EQ(Ask(""), std::nullopt);
}

}  // namespace
