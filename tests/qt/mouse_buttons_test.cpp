#include "qt/mouse_buttons.h"

#include <gtest/gtest.h>

namespace tolvane::qt {
namespace {

TEST(MouseButtonsTest, MouseButtonsAreOneBitEach) {
    EXPECT_EQ(MouseButtonBits(Qt::NoButton), 0);
    EXPECT_EQ(MouseButtonBits(Qt::LeftButton), 1);
    EXPECT_EQ(MouseButtonBits(Qt::RightButton), 2);
    EXPECT_EQ(MouseButtonBits(Qt::MiddleButton), 4);
    EXPECT_EQ(MouseButtonBits(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton), 7);
    EXPECT_EQ(MouseButtonBits(Qt::BackButton), 0);  // no bit of its own
}

TEST(MouseButtonsTest, ModifiersAreShiftCtrlAltBits) {
    EXPECT_EQ(ShiftMask(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftMask(Qt::ControlModifier), 2);
    EXPECT_EQ(ShiftMask(Qt::AltModifier), 4);
    EXPECT_EQ(ShiftMask(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    EXPECT_EQ(ShiftMask(Qt::KeypadModifier | Qt::MetaModifier), 0);
}

}  // namespace
}  // namespace tolvane::qt
