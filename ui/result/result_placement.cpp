#include "ui/result/result_placement.h"

#include <cstdint>

namespace {

// Wide arithmetic: the stored values come from a file anyone can edit.
bool OnScreen(std::int64_t x, std::int64_t y, int screenWidth, int screenHeight) {
    return x >= 0 && x < screenWidth && y >= 0 && y < screenHeight;
}

}  // namespace

WindowBounds CentredResultBounds(int screenWidth, int screenHeight, int width, int height) {
    const std::int64_t x = std::int64_t{screenWidth} / 2 - width;
    const std::int64_t y = std::int64_t{screenHeight} / 2 - height;
    return {static_cast<int>(x), static_cast<int>(y), width, height};
}

WindowBounds ChooseResultBounds(int screenWidth, int screenHeight, const WindowBounds& stored) {
    const std::int64_t right = std::int64_t{stored.x} + stored.width;
    const std::int64_t bottom = std::int64_t{stored.y} + stored.height;
    if (OnScreen(stored.x, stored.y, screenWidth, screenHeight) &&
        OnScreen(right, bottom, screenWidth, screenHeight)) {
        return stored;
    }
    return CentredResultBounds(screenWidth, screenHeight, stored.width, stored.height);
}
