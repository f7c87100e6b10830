#include "tests/support/window_probe.h"

#include <utility>

namespace {

std::function<bool()> g_step;
bool g_done = false;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_done && g_step) {
        g_done = g_step();
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
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<std::string> ListBoxLines(HWND listBox) {
    std::vector<std::string> lines;
    const auto count = SendMessageA(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string line(static_cast<std::size_t>(SendMessageA(listBox, LB_GETTEXTLEN, i, 0)) + 1,
                         '\0');
        line.resize(static_cast<std::size_t>(
            SendMessageA(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
        lines.push_back(line);
    }
    return lines;
}
