#include <gtest/gtest.h>

#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using testing::FakeContainer;

// The button's window covers screen pixels 432..536 x 248..280; its region cuts away the
// top-left corner pixel, where the window below shows instead.
class HoverPollTest : public ::testing::Test {
  protected:
    HoverPollTest() {
        button.ApplyDefaults();
        container.own_window_at = [](ScreenPoint p) {
            const bool inside = p.X >= 432 && p.X < 537 && p.Y >= 248 && p.Y < 281;
            return inside && !(p.X == 432 && p.Y == 248);
        };
        button.Events().MouseEnters = [this](std::int32_t x, std::int32_t y) {
            Record("MouseEnters", x, y);
        };
        button.Events().MouseLeaves = [this](std::int32_t x, std::int32_t y) {
            Record("MouseLeaves", x, y);
        };
    }

    void Record(const std::string& name, std::int32_t x, std::int32_t y) {
        raised.push_back(name + " " + std::to_string(x) + " " + std::to_string(y));
        // The look changes before the event, and no nested poll can fire while it runs.
        EXPECT_EQ(button.RedrawCount(), repaints_before_tick + 1);
        EXPECT_FALSE(container.timer_running);
    }

    void TickAt(std::int32_t x, std::int32_t y) {
        container.cursor = {x, y};
        repaints_before_tick = button.RedrawCount();
        button.OnHoverTimerTick();
    }

    FakeContainer container;
    StylerButton button{container};
    std::vector<std::string> raised;
    std::uint64_t repaints_before_tick = 0;
};

TEST_F(HoverPollTest, EntersOnceAndLeavesOnce) {
    TickAt(100, 100);
    TickAt(440, 260);
    EXPECT_EQ(button.MouseOver(), -1);
    EXPECT_EQ(button.CursorPoint(), (ScreenPoint{440, 260}));
    TickAt(500, 270);  // moving within
    const std::uint64_t repaints = button.RedrawCount();
    TickAt(600, 270);
    EXPECT_EQ(button.MouseOver(), 0);
    EXPECT_EQ(button.RedrawCount(), repaints + 1);
    TickAt(700, 270);
    EXPECT_EQ(raised, (std::vector<std::string>{"MouseEnters 440 260", "MouseLeaves 600 270"}));
    EXPECT_TRUE(container.timer_running);
}

TEST_F(HoverPollTest, ACutAwayCornerCountsAsOutside) {
    TickAt(432, 248);
    EXPECT_EQ(button.MouseOver(), 0);
    TickAt(433, 248);
    TickAt(432, 248);
    EXPECT_EQ(raised, (std::vector<std::string>{"MouseEnters 433 248", "MouseLeaves 432 248"}));
}

TEST_F(HoverPollTest, DisabledButtonKeepsMouseOverAndRaisesNothing) {
    TickAt(440, 260);
    button.SetEnabled(0);
    const std::uint64_t repaints = button.RedrawCount();
    TickAt(10, 10);
    EXPECT_EQ(button.MouseOver(), -1);
    EXPECT_EQ(button.CursorPoint(), (ScreenPoint{440, 260}));
    EXPECT_EQ(button.RedrawCount(), repaints);
    EXPECT_TRUE(container.timer_running);  // the timer keeps running
    button.SetEnabled(-1);
    TickAt(10, 10);
    EXPECT_EQ(raised, (std::vector<std::string>{"MouseEnters 440 260", "MouseLeaves 10 10"}));
}

TEST_F(HoverPollTest, AFailingHandlerDoesNotStopThePoll) {
    button.Events().MouseEnters = [](std::int32_t, std::int32_t) {
        throw std::runtime_error("enter failed");
    };
    button.Events().MouseLeaves = [](std::int32_t, std::int32_t) {
        throw std::runtime_error("leave failed");
    };
    container.cursor = {440, 260};
    EXPECT_THROW(button.OnHoverTimerTick(), std::runtime_error);
    EXPECT_TRUE(container.timer_running);
    EXPECT_EQ(button.MouseOver(), -1);
    container.cursor = {10, 10};
    EXPECT_THROW(button.OnHoverTimerTick(), std::runtime_error);
    EXPECT_TRUE(container.timer_running);
    EXPECT_EQ(button.MouseOver(), 0);
}

}  // namespace
}  // namespace tolvane::styler
