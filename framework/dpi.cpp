#include "framework/dpi.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

// Looked up once: present from Windows 10 (1607) on, absent on Windows 7.
template <class Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace

int SystemMetricForDpi(int index, UINT dpi);

namespace {}  // namespace

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
    static const auto getMetric =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (getMetric != nullptr) {
        return getMetric(index, dpi);
    }
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

HICON LoadIconForDpi(int id, int sizeMetric, UINT dpi) {
    const int size = SystemMetricForDpi(sizeMetric, dpi);
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

CScaledIcons::~CScaledIcons() {
    Destroy(m_retired);
    Destroy(m_loaded);
}

void CScaledIcons::SetDpi(UINT dpi) {
    Destroy(m_retired);
    m_retired.swap(m_loaded);
    m_dpi = dpi;
}

HICON CScaledIcons::Get(int id) {
    const int size = SystemMetricForDpi(m_sizeMetric, m_dpi);
    if (m_sizeMetric == SM_CXICON && size == GetSystemMetrics(SM_CXICON)) {
        return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    }
    HICON& icon = m_loaded[id];
    if (icon == nullptr) {
        icon = LoadIconForDpi(id, m_sizeMetric, m_dpi);
    }
    return icon;
}

void CScaledIcons::Destroy(std::map<int, HICON>& icons) {
    for (const auto& [id, icon] : icons) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    icons.clear();
}
