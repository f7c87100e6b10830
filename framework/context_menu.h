#pragma once

#include <windows.h>

// Where a context menu opens, for the point WM_CONTEXTMENU gave: the
// pointer's place, or, when the menu key asked for it (-1, -1), just inside
// the top left of window's client area.
POINT ContextMenuPoint(HWND window, POINT point);
