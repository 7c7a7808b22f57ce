#include "forms/window_placement.h"

#include <gtest/gtest.h>

namespace tolvane::forms {
namespace {

TEST(WindowPlacement, CentredInSplitsTheRoomCuttingTowardZero) {
    const struct {
        ScreenArea area;
        int width, height;
        int x, y;
    } cases[] = {
        {{0, 0, 1920, 1040}, 556, 318, 682, 361},
        {{0, 0, 101, 100}, 10, 11, 45, 44},   // an odd pixel left over goes right and below
        {{0, 0, 100, 100}, 111, 100, -5, 0},  // wider than the area: overhangs 5 left, 6 right
        {{-1280, 24, 1280, 1000}, 556, 318, -918, 365},  // a screen left of the primary one
    };
    for (const auto& c : cases) {
        const ScreenPoint corner = CentredIn(c.area, c.width, c.height);
        EXPECT_EQ(corner.X, c.x) << c.area.Left << " " << c.width;
        EXPECT_EQ(corner.Y, c.y) << c.area.Top << " " << c.height;
    }
}

TEST(WindowPlacement, PositionsUpToTheBoundInEitherDirection) {
    const double kTwips = base::kTwipsPerPixel;
    for (const double sign : {1.0, -1.0}) {
        EXPECT_EQ(WindowPositionPixels(sign * 16'777'215 * kTwips), sign * 16'777'215);
        EXPECT_EQ(WindowPositionPixels(sign * 16'777'214.5 * kTwips), sign * 16'777'214);
        EXPECT_THROW(WindowPositionPixels(sign * 16'777'216 * kTwips), base::OverflowError);
        // Rounds half to even, onto the first position past the bound.
        EXPECT_THROW(WindowPositionPixels(sign * 16'777'215.5 * kTwips), base::OverflowError);
    }
}

}  // namespace
}  // namespace tolvane::forms
