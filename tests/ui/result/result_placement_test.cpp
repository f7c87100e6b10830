#include "ui/result/result_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A 1280 x 1024 screen whose task bar takes the bottom 40 pixels.
const WindowBounds kWork{0, 0, 1280, 984};

void ExpectBounds(const WindowBounds& bounds, int x, int y, int width, int height) {
    EXPECT_EQ(bounds.x, x);
    EXPECT_EQ(bounds.y, y);
    EXPECT_EQ(bounds.width, width);
    EXPECT_EQ(bounds.height, height);
}

TEST(ResultPlacementTest, CentredBoundsPutTheBottomRightCornerAtTheCentre) {
    ExpectBounds(CentredResultBounds(1280, 1024, 100, 100), 540, 412, 100, 100);
    // Halving rounds down.
    ExpectBounds(CentredResultBounds(1365, 767, 300, 200), 382, 183, 300, 200);
}

TEST(ResultPlacementTest, BoundsWhollyOnTheScreenAreKept) {
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {0, 0, 300, 200}), 0, 0, 300, 200);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {979, 783, 300, 200}), 979, 783, 300, 200);
}

TEST(ResultPlacementTest, ACornerOnOrBeyondAnEdgeMovesTheWindowToTheCentre) {
    const WindowBounds off[] = {{980, 10, 300, 200},   {10, 824, 300, 200}, {-1, 10, 300, 200},
                                {10, -1, 300, 200},    {1280, 0, 300, 200}, {-400, -300, 300, 200},
                                {2000, 2000, 300, 200}};
    for (const WindowBounds& stored : off) {
        ExpectBounds(ChooseResultBounds(1280, 1024, kWork, stored), 340, 312, 300, 200);
    }
}

TEST(ResultPlacementTest, EditedValuesFarOutOfRangeDoNotOverflow) {
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {INT_MAX, 10, INT_MAX, 100}), 0, 412, 1280,
                 100);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {10, 10, INT_MAX, INT_MAX}), 0, 0, 1280,
                 984);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {INT_MIN, INT_MIN, 100, 100}), 540, 412, 100,
                 100);
}

// A size stored on a larger monitor shrinks to the work area; a window that
// reaches into the task bar, or one whose centred place lies off the
// screen, is moved onto the work area, and one on it stays where it is.
TEST(ResultPlacementTest, TheWindowAlwaysLiesWhollyOnTheWorkArea) {
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {0, 0, 3000, 2000}), 0, 0, 1280, 984);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {500, 0, 100000, 300}), 0, 212, 1280, 300);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {100, 800, 300, 200}), 100, 784, 300, 200);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {100, 100, 900, 600}), 100, 100, 900, 600);
    ExpectBounds(ChooseResultBounds(1280, 1024, kWork, {-1, 100, 900, 600}), 0, 0, 900, 600);
    const WindowBounds offsetWork{200, 30, 1080, 994};  // task bars left and top
    ExpectBounds(ChooseResultBounds(1280, 1024, offsetWork, {0, 0, 300, 200}), 200, 30, 300, 200);
}

}  // namespace
