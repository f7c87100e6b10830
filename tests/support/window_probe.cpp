#include "tests/support/window_probe.h"

#include <utility>

#include "framework/controls.h"
#include "framework/cp932_text.h"

namespace {

std::function<bool()> g_step;
bool g_done = false;
bool g_stepping = false;

// A step that pumps messages itself (a screenshot lets the window paint)
// sees the ticks that arrive meanwhile pass by.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_done && !g_stepping && g_step) {
        g_stepping = true;
        g_done = g_step();
        g_stepping = false;
    }
}

template <class Test>
HWND FindWindowOfThread(Test test) {
    struct Search {
        Test test;
        HWND found = nullptr;
    } search{test};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            if (IsWindowVisible(window) && search->test(window)) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

CModalDriver::CModalDriver(std::function<bool()> step) {
    g_step = std::move(step);
    g_done = false;
    m_timer = SetTimer(nullptr, 0, 50, Tick);
}

CModalDriver::~CModalDriver() {
    KillTimer(nullptr, m_timer);
    g_step = nullptr;
}

bool CModalDriver::Done() const {
    return g_done;
}

HWND FindThreadWindow(const std::string& caption) {
    return FindWindowOfThread([&caption](HWND window) { return WindowText(window) == caption; });
}

HWND FindOwnedWindow(HWND owner) {
    return FindWindowOfThread(
        [owner](HWND window) { return GetWindow(window, GW_OWNER) == owner; });
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return NarrowText(text);
}

// Read as the program reads its own lines; across processes only the
// Unicode messages answer (the ANSI LB_GETTEXT returns UTF-16 bytes there
// under Wine).
std::vector<std::string> ListBoxLines(HWND listBox) {
    CListBox list;
    list.Attach(listBox);
    std::vector<std::string> lines;
    for (int i = 0; i < list.GetCount(); ++i) {
        lines.push_back(list.GetText(i));
    }
    return lines;
}

void PostKeyPress(HWND window, UINT key, std::initializer_list<int> held) {
    BYTE state[256] = {};
    for (int modifier : held) {
        state[modifier] = 0x80;
    }
    SetKeyboardState(state);
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}
