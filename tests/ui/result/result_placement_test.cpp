#include "ui/result/result_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

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
    ExpectBounds(ChooseResultBounds(1280, 1024, {0, 0, 300, 200}), 0, 0, 300, 200);
    ExpectBounds(ChooseResultBounds(1280, 1024, {979, 823, 300, 200}), 979, 823, 300, 200);
}

TEST(ResultPlacementTest, ACornerOnOrBeyondAnEdgeMovesTheWindowToTheCentre) {
    const WindowBounds off[] = {{980, 10, 300, 200},   {10, 824, 300, 200}, {-1, 10, 300, 200},
                                {10, -1, 300, 200},    {1280, 0, 300, 200}, {-400, -300, 300, 200},
                                {2000, 2000, 300, 200}};
    for (const WindowBounds& stored : off) {
        ExpectBounds(ChooseResultBounds(1280, 1024, stored), 340, 312, 300, 200);
    }
}

TEST(ResultPlacementTest, EditedValuesFarOutOfRangeDoNotOverflow) {
    ExpectBounds(ChooseResultBounds(1280, 1024, {INT_MAX, 10, INT_MAX, 100}), 640 - INT_MAX, 412,
                 INT_MAX, 100);
    ExpectBounds(ChooseResultBounds(1280, 1024, {10, 10, INT_MAX, INT_MAX}), 640 - INT_MAX,
                 512 - INT_MAX, INT_MAX, INT_MAX);
    ExpectBounds(ChooseResultBounds(1280, 1024, {INT_MIN, INT_MIN, 100, 100}), 540, 412, 100, 100);
}

}  // namespace
