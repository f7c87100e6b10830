#pragma once

#include <windows.h>

#include <string>

// Writes what window shows on the screen, frame and caption included, to a
// 24-bit BMP file. False if the window has no area or the file cannot be
// written.
bool CaptureWindowToBmp(HWND window, const std::string& bmpPath);

// When VARNEL_SCREENSHOT_DIR names a folder, shows window, lets it paint,
// and captures it there as <name>.bmp, or <name>_<dpi>dpi.bmp on a screen
// of another DPI than 96 (scripts/screenshots.sh runs the window tests
// so). Returns the file's path, or an empty string when no screenshot was
// asked for or it failed.
std::string CaptureScreenshotIfAsked(HWND window, const std::string& name);

// Dispatches the thread's pending messages, painting included.
void PumpMessages();
