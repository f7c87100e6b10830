#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

// Helpers for driving the drop window inside a test program, on the test's
// own thread, as the shell and the user would.

// Dispatches this thread's messages for the given time.
void PumpMessagesFor(std::chrono::milliseconds duration);
// Dispatches messages until done() holds or the time is up; returns done().
bool PumpMessagesUntil(const std::function<bool()>& done,
                       std::chrono::milliseconds timeout = std::chrono::seconds(20));

bool AcceptsDrops(HWND window);
bool StaysOnTop(HWND window);
// The icon resource of this program with the given id (icons are shared,
// so the handle is the one a window showing it holds).
HICON ResourceIcon(int id);
// Which of the program's icons 130, 143-146 the handle is, or 0.
int IconId(HICON icon);

// The pop-up menu this thread shows at the moment, or null.
HWND FindPopupMenu();
