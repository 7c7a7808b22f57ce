#include <gtest/gtest.h>

#include <algorithm>

#include "gdi/region.h"
#include "stylerbutton/core/primitives.h"
#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using testing::FakeContainer;

TEST(RedrawTest, EveryRepaintHandsTheWindowItsRoundedRegion) {
    FakeContainer container;
    StylerButton button(container);
    button.SetRoundedValue(5);
    button.OnPaint();
    ASSERT_EQ(container.regions.size(), 2u);
    EXPECT_EQ(container.regions.back(), gdi::CreateRoundRectRgn(0, 0, 105, 33, 4, 4));

    button.SetRoundedValue(-2);  // raised to 1 first: square corners
    EXPECT_EQ(container.regions.back(), gdi::CreateRoundRectRgn(0, 0, 105, 33, 0, 0));
}

TEST(RedrawTest, ButtonFontBecomesTheSurfaceFont) {
    FakeContainer container;
    StylerButton button(container);
    const auto font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
    button.SetFont(font);
    const auto other = std::make_shared<gdi::Font>(gdi::Font{"Arial", 10});
    container.Surface().SetFont(other);
    button.OnPaint();
    EXPECT_EQ(container.Surface().Font(), font);
}

TEST(RedrawTest, FailingStepsNeverReachTheCaller) {
    FakeContainer container;
    StylerButton button(container);
    const auto font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
    button.SetFont(font);
    container.fail_set_window_rgn = true;
    const auto other = std::make_shared<gdi::Font>(gdi::Font{"Arial", 10});
    container.Surface().SetFont(other);
    EXPECT_NO_THROW(button.SetRoundedValue(0));
    EXPECT_EQ(button.RoundedValue(), 1);
    // A failure earlier in the same repaint keeps the surface's font.
    EXPECT_EQ(container.Surface().Font(), other);
    EXPECT_EQ(container.notified.back(), "RoundedValue");
}

// The public method paints any surface exactly as the gradient primitive does.
TEST(RedrawTest, PublicFourColourGradientIsThePrimitive) {
    FakeContainer container;
    StylerButton button(container);
    gdi::Surface viaButton(12, 6);
    gdi::Surface direct(12, 6);
    button.DrawGradientFourColour(viaButton, 1, 2, 10, 3, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF);
    DrawGradientFourColour(direct, 1, 2, 10, 3, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF);
    EXPECT_TRUE(std::ranges::equal(viaButton.Pixels(), direct.Pixels()));
    EXPECT_NE(viaButton.Point(1, 2), viaButton.Point(10, 2));
    EXPECT_NE(viaButton.Point(1, 2), viaButton.Point(1, 4));
}

}  // namespace
}  // namespace tolvane::styler
