#include "tests/support/window_capture.h"

#include <cstdlib>
#include <vector>

namespace {

// Rows of a 24-bit bitmap are padded to four bytes.
int RowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

bool WriteBmp(const std::string& path, int width, int height, const std::vector<char>& pixels) {
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(out, &file, sizeof file, &written, nullptr) &&
        WriteFile(out, &info, sizeof info, &written, nullptr) &&
        WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return ok;
}

}  // namespace

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Copied from the screen rather than asked of the window (PrintWindow), so
// that the picture is what a user sees, the frame drawn by the system too.
bool CaptureWindowToBmp(HWND window, const std::string& bmpPath) {
    RECT rect;
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) {
        return false;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<char> pixels(static_cast<std::size_t>(RowBytes(width)) * height);
    const int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return rows == height && WriteBmp(bmpPath, width, height, pixels);
}

std::string CaptureScreenshotIfAsked(HWND window, const std::string& name) {
    const char* folder = std::getenv("VARNEL_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0') {
        return {};
    }
    CreateDirectoryA(folder, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    UpdateWindow(window);
    // Give the display server time to show the window before it is copied.
    for (int i = 0; i < 10; ++i) {
        PumpMessages();
        Sleep(50);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    std::string path = std::string(folder) + "\\" + name;
    if (dpi != 96) {
        path += '_' + std::to_string(dpi) + "dpi";
    }
    path += ".bmp";
    return CaptureWindowToBmp(window, path) ? path : std::string();
}
