// The rules a HostedButton keeps for every host, driven through a fake window and a form timer
// whose alarm the test fires by hand.
#include "stylerbutton/core/hosted_button.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/mouse_bits.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FakeWindow : public HostWindow {
  public:
    std::string InstanceName() const override { return "StylerButton1"; }
    WindowSize Size() const override { return size; }
    gdi::TextEngine& Text() override { return text_; }
    void ApplyRegion(const gdi::Region& region, double ratio) override {
        applied.push_back({region, ratio});
    }
    void RequestRepaint() override { ++repaints; }
    ScreenPoint CursorPos() override {
        ++cursor_reads;
        return cursor;
    }
    bool IsOwnWindowAt(ScreenPoint) override {
        ++window_asks;
        return over_button;
    }
    void ReportFailure(std::string_view message) override { failures.emplace_back(message); }
    bool PointerInTopLevelWindow() const override { return in_top_level_window; }

    WindowSize size{105, 33, 1.0};
    std::vector<std::pair<gdi::Region, double>> applied;
    int repaints = 0;
    int cursor_reads = 0;
    int window_asks = 0;
    ScreenPoint cursor{300, 200};
    bool over_button = false;
    bool in_top_level_window = true;
    std::vector<std::string> failures;

  private:
    testing::FixedTextEngine text_;
};

class FakeAlarm : public base::TimerAlarm {
  public:
    void Arm(int) override {}
    void Disarm() override {}
};

class HostedButtonTest : public ::testing::Test {
  protected:
    HostedButtonTest() {
        hosted_.SizeChanged();
        hosted_.Button().ApplyDefaults();
        StylerButtonEvents& events = hosted_.Button().Events();
        events.Click = [this] { log_.push_back("Click"); };
        events.DoubleClick = [this] { log_.push_back("DoubleClick"); };
        events.KeyDown = [this](std::int16_t& code, std::int16_t&) {
            log_.push_back("KeyDown " + std::to_string(code));
        };
        events.KeyPress = [this](std::int16_t& ascii) {
            log_.push_back("KeyPress " + std::to_string(ascii));
        };
        events.KeyUp = [this](std::int16_t& code, std::int16_t&) {
            log_.push_back("KeyUp " + std::to_string(code));
        };
        events.MouseDown = [this](std::int16_t& button, std::int16_t&, float&, float&) {
            log_.push_back("MouseDown " + std::to_string(button));
        };
        events.MouseUp = [this](std::int16_t& button, std::int16_t&, float&, float&) {
            log_.push_back("MouseUp " + std::to_string(button));
        };
        events.MouseEnters = [this](std::int32_t x, std::int32_t y) {
            log_.push_back("MouseEnters " + std::to_string(x) + " " + std::to_string(y));
        };
        events.MouseLeaves = [this](std::int32_t x, std::int32_t y) {
            log_.push_back("MouseLeaves " + std::to_string(x) + " " + std::to_string(y));
        };
    }

    StylerButton& Button() { return hosted_.Button(); }

    FakeWindow window_;
    FakeAlarm alarm_;
    base::FormTimer timer_{alarm_, [] { return std::int64_t{0}; }};
    HostedButton hosted_{window_, timer_, std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25})};
    std::vector<std::string> log_;
};

// ---- Mouse ------------------------------------------------------------------------------------

struct MouseStep {
    enum Kind { Press, Release, DoubleClick } kind;
    std::int16_t button;
    bool inside = true;
};

TEST_F(HostedButtonTest, ClickFollowsALeftPressAndALeftReleaseInside) {
    constexpr std::int16_t L = base::kLeftButton;
    constexpr std::int16_t R = base::kRightButton;
    using S = MouseStep;
    const struct {
        const char* name;
        std::vector<MouseStep> steps;
        std::vector<std::string> log;
    } cases[] = {
        {"left click", {{S::Press, L}, {S::Release, L}}, {"MouseDown 1", "MouseUp 1", "Click"}},
        {"released outside", {{S::Press, L}, {S::Release, L, false}}, {"MouseDown 1", "MouseUp 1"}},
        {"release alone", {{S::Release, L}}, {"MouseUp 1"}},
        {"right click", {{S::Press, R}, {S::Release, R}}, {"MouseDown 2", "MouseUp 2"}},
        {"right released between",
         {{S::Press, L}, {S::Release, R}, {S::Release, L}},
         {"MouseDown 1", "MouseUp 2", "MouseUp 1", "Click"}},
        {"no button bit", {{S::Press, 0}, {S::Release, 0}}, {}},
        {"left double click",
         {{S::Press, L}, {S::Release, L}, {S::DoubleClick, L}, {S::Release, L}},
         {"MouseDown 1", "MouseUp 1", "Click", "DoubleClick", "MouseUp 1"}},
        {"double click while held",
         {{S::Press, L}, {S::DoubleClick, L}, {S::Release, L}},
         {"MouseDown 1", "DoubleClick", "MouseUp 1"}},
        {"right double click",
         {{S::Press, R}, {S::Release, R}, {S::DoubleClick, R}, {S::Release, R}},
         {"MouseDown 2", "MouseUp 2", "MouseDown 2", "MouseUp 2"}},
    };
    for (const auto& c : cases) {
        log_.clear();
        for (const MouseStep& step : c.steps) {
            switch (step.kind) {
                case MouseStep::Press:
                    hosted_.MousePressed(step.button, 0, 5, 5);
                    break;
                case MouseStep::Release:
                    hosted_.MouseReleased(step.button, 0, 5, 5, step.inside);
                    break;
                case MouseStep::DoubleClick: {
                    const std::int16_t pressed = Button().Pressed();
                    hosted_.MouseDoubleClicked(step.button, 0, 5, 5);
                    EXPECT_EQ(Button().Pressed(), pressed) << c.name;  // no pressed look
                    break;
                }
            }
        }
        EXPECT_EQ(log_, c.log) << c.name;
    }
}

// ---- Keys -------------------------------------------------------------------------------------

TEST_F(HostedButtonTest, TabAndItsCharacterNeverReachTheButton) {
    EXPECT_FALSE(hosted_.KeyPressed(KeyTab, base::kShiftMask));
    hosted_.CharacterTyped(KeyAsciiTab);
    EXPECT_FALSE(hosted_.KeyReleased(KeyTab, 0));
    EXPECT_FALSE(hosted_.KeyReleased(KeyTab, 0, KeyRelease::AutoRepeat));
    EXPECT_THAT(log_, IsEmpty());

    // Ctrl+I types the same character, and it is the button's.
    EXPECT_TRUE(hosted_.KeyPressed('I', base::kCtrlMask));
    hosted_.CharacterTyped(KeyAsciiTab);
    EXPECT_TRUE(hosted_.KeyReleased('I', base::kCtrlMask, KeyRelease::AutoRepeat));
    EXPECT_TRUE(hosted_.KeyReleased('I', base::kCtrlMask));
    EXPECT_THAT(log_, ElementsAre("KeyDown 73", "KeyPress 9", "KeyUp 73"));
}

// ---- Failures ---------------------------------------------------------------------------------

TEST_F(HostedButtonTest, AFailingHandlerEndsItsInputAndIsReportedWithTheInstanceName) {
    Button().Events().MouseDown = [](std::int16_t&, std::int16_t&, float&, float&) {
        throw std::runtime_error("no paper");
    };
    Button().Events().DoubleClick = [] { throw 42; };
    hosted_.MousePressed(base::kLeftButton, 0, 5, 5);
    EXPECT_EQ(Button().Pressed(), BoolFalse);
    hosted_.MouseDoubleClicked(base::kLeftButton, 0, 5, 5);
    EXPECT_THAT(window_.failures,
                ElementsAre("StylerButton1: no paper", "StylerButton1: an event handler failed"));
}

// ---- Painting and the region ------------------------------------------------------------------

TEST_F(HostedButtonTest, PaintRowRunsOnceAfterEachSizeChangeOrInvalidate) {
    const auto paint_rows = [this] {
        const std::uint64_t before = Button().RedrawCount();
        hosted_.PaintDue();
        hosted_.PaintDue();
        return Button().RedrawCount() - before;
    };
    EXPECT_EQ(paint_rows(), 1u);  // the surface was made
    EXPECT_EQ(paint_rows(), 0u);
    const int repaints = window_.repaints;
    hosted_.Invalidate();
    EXPECT_EQ(window_.repaints, repaints + 1);
    EXPECT_EQ(paint_rows(), 1u);
    window_.size.Width = 60;
    EXPECT_EQ(paint_rows(), 1u);
    EXPECT_EQ(hosted_.Surface().Width(), 60);
    window_.size.DevicePixelRatio = 2.0;
    EXPECT_EQ(paint_rows(), 1u);
    EXPECT_EQ(hosted_.Surface().Width(), 120);
}

TEST_F(HostedButtonTest, RegionIsAppliedOnlyWhenItChangesOrTheRatioDoes) {
    window_.applied.clear();
    Button().SetCaption("x");
    EXPECT_THAT(window_.applied, IsEmpty());
    Button().SetRoundedValue(9);
    ASSERT_EQ(window_.applied.size(), 1u);
    EXPECT_EQ(window_.applied[0].first, hosted_.Region());

    // A 1 x 1 button has the empty region at ratio 1 and at ratio 2; the new ratio still needs it
    // applied, for the mask is made in logical pixels.
    window_.size = {1, 1, 1.0};
    hosted_.PaintDue();
    ASSERT_EQ(window_.applied.size(), 2u);
    EXPECT_TRUE(window_.applied[1].first.IsEmpty());
    window_.size.DevicePixelRatio = 2.0;
    hosted_.PaintDue();
    ASSERT_EQ(window_.applied.size(), 3u);
    EXPECT_TRUE(window_.applied[2].first.IsEmpty());
    EXPECT_EQ(window_.applied[2].second, 2.0);
}

// ---- Hover poll -------------------------------------------------------------------------------

TEST_F(HostedButtonTest, HoverTimerIsA50MsPollThatSleepsWhileThePointerIsAway) {
    EXPECT_EQ(timer_.Interval(), 50);
    EXPECT_TRUE(hosted_.IsHoverTimerRunning());
    EXPECT_TRUE(hosted_.IsHoverPollTicking());

    window_.over_button = true;
    timer_.Fire();
    EXPECT_THAT(log_, ElementsAre("MouseEnters 300 200"));

    // Hovered, the poll keeps ticking after the pointer left the window, to see it leave.
    window_.in_top_level_window = false;
    hosted_.PointerCrossedWindow();
    EXPECT_TRUE(hosted_.IsHoverPollTicking());
    window_.over_button = false;
    window_.cursor = {900, 10};
    timer_.Fire();
    EXPECT_THAT(log_, ElementsAre("MouseEnters 300 200", "MouseLeaves 900 10"));
    EXPECT_TRUE(hosted_.IsHoverTimerRunning());
    EXPECT_FALSE(hosted_.IsHoverPollTicking());

    // A tick due as the pointer left asks nothing of the window.
    const int reads = window_.cursor_reads;
    const int asks = window_.window_asks;
    Button().OnHoverTimerTick();
    EXPECT_EQ(window_.cursor_reads, reads);
    EXPECT_EQ(window_.window_asks, asks);

    window_.in_top_level_window = true;
    hosted_.PointerCrossedWindow();
    EXPECT_TRUE(hosted_.IsHoverPollTicking());
    hosted_.Teardown();
    EXPECT_FALSE(hosted_.IsHoverTimerRunning());
    EXPECT_FALSE(timer_.Enabled());
}

}  // namespace
}  // namespace tolvane::styler
