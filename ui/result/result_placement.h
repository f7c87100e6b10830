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

// The stored bounds if the window's top-left and bottom-right corners both
// lie on the primary screen (0 <= x < width, 0 <= y < height, so a corner on
// the right or bottom edge is off it); otherwise the centred bounds of the
// stored size. A window on a screen left of or above the primary one thus
// comes back where it can be seen.
WindowBounds ChooseResultBounds(int screenWidth, int screenHeight, const WindowBounds& stored);
