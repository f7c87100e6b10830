#pragma once

#include <windows.h>

#include <map>

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

// The program's icons in the size one DPI asks for (SM_CXICON or
// SM_CXSMICON). Large icons in the system's own size are the shared ones
// the system keeps; all others are loaded here and destroyed with the set,
// or after the next change of DPI, when the window shows the new ones.
class CScaledIcons {
public:
    explicit CScaledIcons(int sizeMetric) : m_sizeMetric(sizeMetric) {}
    ~CScaledIcons();
    CScaledIcons(const CScaledIcons&) = delete;
    CScaledIcons& operator=(const CScaledIcons&) = delete;

    void SetDpi(UINT dpi);
    HICON Get(int id);

private:
    static void Destroy(std::map<int, HICON>& icons);

    int m_sizeMetric;
    UINT m_dpi = kBaseDpi;
    std::map<int, HICON> m_loaded;
    std::map<int, HICON> m_retired;
};
