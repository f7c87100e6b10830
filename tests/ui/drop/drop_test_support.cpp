#include "tests/ui/drop/drop_test_support.h"

#include <shlobj.h>

#include <cstring>
#include <memory>
#include <utility>

#include "res/resource.h"

HDROP MakeDropHandle(const std::vector<std::string>& names) {
    std::size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& name : names) {
        bytes += name.size() + 1;
    }
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    if (memory == nullptr) {
        return nullptr;
    }
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* text = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const std::string& name : names) {
        std::memcpy(text, name.c_str(), name.size() + 1);
        text += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

namespace {

void DispatchPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
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

std::string WindowCaption(HWND window) {
    char text[256] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
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

namespace {
IconRecorder* g_recorder = nullptr;
}  // namespace

IconRecorder::IconRecorder(HWND control)
    : m_control(control),
      m_hook(SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId())) {
    g_recorder = this;
}

IconRecorder::~IconRecorder() {
    UnhookWindowsHookEx(m_hook);
    g_recorder = nullptr;
}

LRESULT CALLBACK IconRecorder::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_recorder != nullptr && sent->hwnd == g_recorder->m_control &&
        sent->message == STM_SETICON) {
        g_recorder->m_shown.push_back(IconId(reinterpret_cast<HICON>(sent->wParam)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

std::unique_ptr<std::function<void()>> g_soonAction;

void CALLBACK RunSoonTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto action = std::move(g_soonAction);
    if (action) {
        (*action)();
    }
}

}  // namespace

void RunSoon(std::function<void()> action, std::chrono::milliseconds delay) {
    g_soonAction = std::make_unique<std::function<void()>>(std::move(action));
    SetTimer(nullptr, 0, static_cast<UINT>(delay.count()), RunSoonTimer);
}

namespace {
struct WindowSearch {
    const char* className;
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (window != search->except && IsWindowVisible(window) &&
        std::strcmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindThreadWindow(const char* className, HWND except) {
    WindowSearch search{className, except, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
