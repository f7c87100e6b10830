#pragma once

#include <windows.h>

// The program declares itself per-monitor DPI aware: each window learns its
// monitor's DPI from these and scales itself when WM_DPICHANGED says it has
// moved to a monitor of another DPI. Before Windows 10 the per-monitor
// functions are missing, and the system's DPI stands for every window's.

inline constexpr UINT kBaseDpi = 96;

// The DPI of the monitor the window is on.
UINT WindowDpi(HWND window);

// A length given for 96 DPI, at dpi.
inline int ScaleForDpi(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

// A system metric (SM_CXICON, SM_CXSMICON, ...) at dpi.
int SystemMetricForDpi(int index, UINT dpi);

// The icon resource id in the size the system uses at dpi for large icons
// (SM_CXICON) or small ones (SM_CXSMICON); the caller destroys it.
HICON LoadIconForDpi(int id, int sizeMetric, UINT dpi);
