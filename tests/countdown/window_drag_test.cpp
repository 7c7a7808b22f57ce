#include "countdown/window_drag.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tolvane::countdown {
namespace {

using Position = WindowDrag::Position;

TEST(WindowDrag, KeepsThePressedPointUnderThePointer) {
    struct Case {
        float press_x, press_y;  // client twips at the press
        double left, top;        // window position in screen twips when the move arrives
        float move_x, move_y;    // client twips of the move
        Position expected;
    };
    const Case cases[] = {
        // Pointer moved 100 px right and 50 px down from (10, 20) px: the window follows.
        {150, 300, 3000, 4500, 1650, 1050, {4500, 5250}},
        // Moving back to the press point leaves the window where it is.
        {150, 300, 3000, 4500, 150, 300, {3000, 4500}},
        // Up and to the left, past the screen's origin.
        {150, 300, 0, 0, -1350, -300, {-1500, -600}},
        // Halves of a twip round to the even neighbour, both at the press and in the move.
        {10.5f, 11.5f, 0, 0, 20.5f, 21.5f, {10, 10}},
        // Far onto a second monitor: beyond the 16-bit range of twips, no wrap-around.
        {150, 300, 60000, 30000, 450, 600, {60300, 30300}},
    };
    for (const Case& c : cases) {
        WindowDrag drag;
        drag.MouseDown(c.press_x, c.press_y);
        EXPECT_EQ(drag.MouseMove(c.left, c.top, c.move_x, c.move_y), c.expected)
            << "press (" << c.press_x << ", " << c.press_y << ")";
    }
}

TEST(WindowDrag, MovesOnlyBetweenPressAndRelease) {
    WindowDrag drag;
    EXPECT_FALSE(drag.MouseMove(0, 0, 100, 100)) << "no press yet";
    drag.MouseDown(15, 15);
    EXPECT_TRUE(drag.Dragging());
    EXPECT_TRUE(drag.MouseMove(0, 0, 100, 100));
    drag.MouseUp();
    EXPECT_FALSE(drag.Dragging());
    EXPECT_FALSE(drag.MouseMove(0, 0, 200, 200)) << "moving after the release does nothing";
}

TEST(WindowDrag, EachPressReplacesTheStartPoint) {
    WindowDrag drag;
    drag.MouseDown(15, 15);
    drag.MouseUp();
    drag.MouseDown(300, 450);
    EXPECT_EQ(drag.MouseMove(1000, 2000, 300, 450), (Position{1000, 2000}));
}

TEST(WindowDrag, PositionsThatAreNoNumberLeaveTheWindowWhereItIs) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    WindowDrag drag;
    drag.MouseDown(nan, 0);
    EXPECT_FALSE(drag.Dragging()) << "a press at no position starts nothing";
    drag.MouseDown(15, 15);
    EXPECT_FALSE(drag.MouseMove(0, 0, inf, 0));
    EXPECT_FALSE(drag.MouseMove(std::numeric_limits<double>::infinity(), 0, 15, 15));
    EXPECT_TRUE(drag.MouseMove(0, 0, 15, 15)) << "the drag goes on after a bad move";
}

}  // namespace
}  // namespace tolvane::countdown
