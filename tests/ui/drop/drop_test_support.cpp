#include "tests/ui/drop/drop_test_support.h"

#include <cstring>

#include "res/resource.h"

namespace {

void DispatchPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    // The system's class of pop-up menu windows.
    if (IsWindowVisible(window) && std::strcmp(name, "#32768") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void PumpMessagesFor(std::chrono::milliseconds duration) {
    PumpMessagesUntil([] { return false; }, duration);
}

bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        DispatchPending();
        if (done()) {
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return done();
        }
        const DWORD wait = static_cast<DWORD>(left.count() < 10 ? left.count() : 10);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

bool AcceptsDrops(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
}

bool StaysOnTop(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HICON ResourceIcon(int id) {
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

int IconId(HICON icon) {
    for (int id : {IDI_IDLE, IDI_FRAME0, IDI_FRAME1, IDI_FRAME2, IDI_FRAME3}) {
        if (icon != nullptr && icon == ResourceIcon(id)) {
            return id;
        }
    }
    return 0;
}

HWND FindPopupMenu() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}
