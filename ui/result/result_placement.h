#pragma once

// Outer bounds of a window in screen pixels.
struct WindowBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The bottom-right corner of a window of this size at the screen's centre:
// where the result window opens when it has no stored position.
WindowBounds CentredResultBounds(int screenWidth, int screenHeight, int width, int height);

// Where the result window opens, on a primary screen of this size whose work
// area (the screen less the task bar) is workArea. The size is the stored
// one, no larger than the work area. The stored position is kept if the
// window's top-left and bottom-right corners both lie on the screen
// (0 <= x < width, 0 <= y < height, so a corner on the right or bottom edge
// is off it); otherwise the window goes to the centred position of its
// size. Either way it is then moved as little as needed to lie wholly on
// the work area: a window saved on a monitor that is gone, or larger than
// this screen, never opens out of reach.
WindowBounds ChooseResultBounds(int screenWidth, int screenHeight, const WindowBounds& workArea,
                                const WindowBounds& stored);
