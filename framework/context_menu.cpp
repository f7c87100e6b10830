#include "framework/context_menu.h"

namespace {

constexpr POINT kKeyboardPoint{-1, -1};
constexpr int kKeyboardMenuOffset = 5;

}  // namespace

POINT ContextMenuPoint(HWND window, POINT point) {
    if (point.x != kKeyboardPoint.x || point.y != kKeyboardPoint.y) {
        return point;
    }
    RECT area;
    GetClientRect(window, &area);
    POINT origin{area.left, area.top};
    ClientToScreen(window, &origin);
    return POINT{origin.x + kKeyboardMenuOffset, origin.y + kKeyboardMenuOffset};
}
