#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// While the code under test runs a modal loop on this thread (a dialog, a
// message box, a common dialog), calls step every 50 ms from inside that
// loop until step returns true. One driver at a time per thread.
class CModalDriver {
public:
    explicit CModalDriver(std::function<bool()> step);
    ~CModalDriver();
    CModalDriver(const CModalDriver&) = delete;
    CModalDriver& operator=(const CModalDriver&) = delete;

    bool Done() const;

private:
    UINT_PTR m_timer;
};

// The first visible top-level window of this thread with this caption, or null.
HWND FindThreadWindow(const std::string& caption);
// The first visible window of this thread that owner owns (a dialog or a
// message box it opened), or null.
HWND FindOwnedWindow(HWND owner);

std::string WindowText(HWND window);
std::vector<std::string> ListBoxLines(HWND listBox);

// Posts a press of key to window as the keyboard delivers it to the focus,
// the modifier keys held (VK_CONTROL, VK_SHIFT); the thread's key state
// says so until the next press.
void PostKeyPress(HWND window, UINT key, std::initializer_list<int> held = {});
