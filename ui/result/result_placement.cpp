#include "ui/result/result_placement.h"

#include <algorithm>
#include <cstdint>

namespace {

// Wide arithmetic: the stored values come from a file anyone can edit.
bool OnScreen(std::int64_t x, std::int64_t y, int screenWidth, int screenHeight) {
    return x >= 0 && x < screenWidth && y >= 0 && y < screenHeight;
}

// The start of a span of this length moved as little as needed into the
// area's span; the area's start when the span is longer.
int Within(int start, int length, int areaStart, int areaLength) {
    const std::int64_t last = std::int64_t{areaStart} + areaLength - length;
    return static_cast<int>(std::max<std::int64_t>(areaStart, std::min<std::int64_t>(start, last)));
}

}  // namespace

WindowBounds CentredResultBounds(int screenWidth, int screenHeight, int width, int height) {
    const std::int64_t x = std::int64_t{screenWidth} / 2 - width;
    const std::int64_t y = std::int64_t{screenHeight} / 2 - height;
    return {static_cast<int>(x), static_cast<int>(y), width, height};
}

WindowBounds ChooseResultBounds(int screenWidth, int screenHeight, const WindowBounds& workArea,
                                const WindowBounds& stored) {
    WindowBounds bounds = stored;
    bounds.width = std::min(stored.width, workArea.width);
    bounds.height = std::min(stored.height, workArea.height);
    const std::int64_t right = std::int64_t{stored.x} + bounds.width;
    const std::int64_t bottom = std::int64_t{stored.y} + bounds.height;
    if (!OnScreen(stored.x, stored.y, screenWidth, screenHeight) ||
        !OnScreen(right, bottom, screenWidth, screenHeight)) {
        bounds = CentredResultBounds(screenWidth, screenHeight, bounds.width, bounds.height);
    }
    bounds.x = Within(bounds.x, bounds.width, workArea.x, workArea.width);
    bounds.y = Within(bounds.y, bounds.height, workArea.y, workArea.height);
    return bounds;
}
