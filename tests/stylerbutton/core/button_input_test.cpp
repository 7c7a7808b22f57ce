#include <gtest/gtest.h>

#include <functional>

#include "stylerbutton/core/styler_button.h"
#include "tests/stylerbutton/core/fake_container.h"

namespace tolvane::styler {
namespace {

using testing::FakeContainer;

// A button with every event recorded as text, e.g. "MouseDown 1 2 3 4".
class ButtonInputTest : public ::testing::Test {
  protected:
    ButtonInputTest() {
        button.ApplyDefaults();
        auto& e = button.Events();
        const auto keys = [this](const char* name) {
            return [this, name](std::int16_t& k, std::int16_t& s) { Record(name, k, s); };
        };
        const auto mouse = [this](const char* name) {
            return [this, name](std::int16_t& b, std::int16_t& s, float& x, float& y) {
                Record(name, b, s, x, y);
            };
        };
        e.Click = [this] { Record("Click"); };
        e.DoubleClick = [this] { Record("DoubleClick"); };
        e.KeyDown = keys("KeyDown");
        e.KeyPress = [this](std::int16_t& k) { Record("KeyPress", k); };
        e.KeyUp = keys("KeyUp");
        e.MouseDown = mouse("MouseDown");
        e.MouseMove = mouse("MouseMove");
        e.MouseUp = mouse("MouseUp");
    }

    template <class... Args>
    void Record(const std::string& name, Args... args) {
        std::string line = name;
        ((line += " " + std::to_string(static_cast<int>(args))), ...);
        raised.push_back(line);
    }

    FakeContainer container;
    StylerButton button{container};
    std::vector<std::string> raised;
};

struct InputRow {
    bool start_pressed_and_focused;
    std::function<void(StylerButton&)> input;
    std::vector<std::string> events;  // raised while Enabled is true
    std::int16_t pressed;
    std::int16_t has_focus;
    std::uint64_t repaints;
};

using B = StylerButton;
// clang-format off
const InputRow kInputTable[] = {
    {false, [](B& b) { b.OnMouseDown(1, 2, 3, 4); }, {"MouseDown 1 2 3 4"}, -1, 0, 1},
    {false, [](B& b) { b.OnMouseDown(2, 0, 3, 4); }, {"MouseDown 2 0 3 4"}, 0, 0, 0},
    {true, [](B& b) { b.OnMouseMove(1, 0, 5, 6); }, {"MouseMove 1 0 5 6"}, -1, -1, 0},
    {true, [](B& b) { b.OnMouseUp(1, 0, 5, 6); }, {"MouseUp 1 0 5 6"}, 0, -1, 1},
    {true, [](B& b) { b.OnMouseUp(2, 0, 5, 6); }, {"MouseUp 2 0 5 6"}, -1, -1, 0},
    {false, [](B& b) { b.OnClick(); }, {"Click"}, 0, 0, 0},
    {false, [](B& b) { b.OnDoubleClick(); }, {"DoubleClick"}, 0, 0, 0},
    {false, [](B& b) { b.OnKeyDown(32, 0); }, {"KeyDown 32 0"}, -1, 0, 1},
    {false, [](B& b) { b.OnKeyDown(65, 1); }, {"KeyDown 65 1"}, 0, 0, 0},
    {false, [](B& b) { b.OnKeyPress(13); }, {"KeyPress 13", "Click"}, 0, 0, 0},
    {false, [](B& b) { b.OnKeyPress(32); }, {"KeyPress 32"}, 0, 0, 0},
    {true, [](B& b) { b.OnKeyUp(32, 0); }, {"KeyUp 32 0"}, 0, -1, 1},
    {true, [](B& b) { b.OnKeyUp(65, 0); }, {"KeyUp 65 0"}, -1, -1, 0},
    {false, [](B& b) { b.OnFocusReceived(); }, {}, 0, -1, 1},
    {true, [](B& b) { b.OnFocusLost(); }, {}, -1, 0, 1},
};
// clang-format on

// Each row runs enabled and disabled from the same start; disabled, nothing at all happens.
TEST_F(ButtonInputTest, EachInputEnabledAndDisabled) {
    for (const std::int16_t enabled : {-1, 0}) {
        for (std::size_t i = 0; i < std::size(kInputTable); ++i) {
            const InputRow& row = kInputTable[i];
            button.SetEnabled(-1);
            button.OnMouseUp(LeftButton, 0, 0, 0);
            button.OnFocusLost();
            if (row.start_pressed_and_focused) {
                button.OnMouseDown(LeftButton, 0, 0, 0);
                button.OnFocusReceived();
            }
            const std::int16_t start = row.start_pressed_and_focused ? -1 : 0;
            button.SetEnabled(enabled);
            const std::uint64_t repaints = button.RedrawCount();
            raised.clear();
            row.input(button);
            EXPECT_EQ(raised, enabled ? row.events : std::vector<std::string>{}) << i;
            EXPECT_EQ(button.Pressed(), enabled ? row.pressed : start) << i;
            EXPECT_EQ(button.HasFocus(), enabled ? row.has_focus : start) << i;
            EXPECT_EQ(button.RedrawCount() - repaints, enabled ? row.repaints : 0) << i;
        }
        // A paint request clears the surface and repaints whatever Enabled holds. A theme
        // outside 1 to 3 paints nothing over the cleared surface.
        button.SetTheme(0);
        container.Surface().SetBackColor(0x445566);
        container.Surface().PSet(4, 4, 0);
        const std::uint64_t repaints = button.RedrawCount();
        button.OnPaint();
        EXPECT_EQ(button.RedrawCount(), repaints + 1);
        EXPECT_EQ(container.Surface().Point(4, 4), 0x445566u);
    }
}

TEST_F(ButtonInputTest, HandlersChangeByReferenceArgumentsBeforeTheButtonLooks) {
    button.Events().KeyPress = [](std::int16_t& keyAscii) { keyAscii = 0; };
    button.OnKeyPress(13);
    EXPECT_TRUE(raised.empty());  // no Click

    button.Events().KeyDown = [](std::int16_t& keyCode, std::int16_t&) { keyCode = 32; };
    button.OnKeyDown(65, 0);
    EXPECT_EQ(button.Pressed(), -1);

    button.Events().MouseUp = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 2; };
    button.OnMouseUp(LeftButton, 0, 0, 0);
    EXPECT_EQ(button.Pressed(), -1);
}

TEST_F(ButtonInputTest, SpaceAndMouseShareThePressedFlag) {
    button.OnMouseDown(LeftButton, 0, 1, 1);
    button.OnKeyDown(KeySpace, 0);
    button.OnKeyUp(KeySpace, 0);
    EXPECT_EQ(button.Pressed(), 0);  // although the mouse button is still down

    const std::uint64_t repaints = button.RedrawCount();
    for (int repeat = 0; repeat < 3; ++repeat) {
        button.OnKeyDown(KeySpace, 0);  // auto-repeat
    }
    EXPECT_EQ(button.RedrawCount(), repaints + 3);
    button.OnKeyUp(KeySpace, 0);
    EXPECT_EQ(raised, (std::vector<std::string>{"MouseDown 1 0 1 1", "KeyDown 32 0", "KeyUp 32 0",
                                                "KeyDown 32 0", "KeyDown 32 0", "KeyDown 32 0",
                                                "KeyUp 32 0"}));
}

TEST_F(ButtonInputTest, AFailingHandlerEndsTheInputBeforeTheFlagChanges) {
    button.OnKeyDown(KeySpace, 0);
    const auto fail = [](auto&...) { throw std::runtime_error("handler failed"); };
    auto& e = button.Events();
    e.MouseDown = e.MouseUp = fail;
    e.KeyUp = fail;
    e.KeyPress = fail;
    const std::uint64_t repaints = button.RedrawCount();

    EXPECT_THROW(button.OnKeyUp(KeySpace, 0), std::runtime_error);
    EXPECT_THROW(button.OnMouseUp(LeftButton, 0, 0, 0), std::runtime_error);
    EXPECT_EQ(button.Pressed(), -1);
    EXPECT_THROW(button.OnMouseDown(LeftButton, 0, 0, 0), std::runtime_error);
    EXPECT_THROW(button.OnKeyPress(13), std::runtime_error);
    EXPECT_EQ(button.RedrawCount(), repaints);
    EXPECT_EQ(raised,
              (std::vector<std::string>{"KeyDown 32 0"}));  // no Click after the failing KeyPress
}

}  // namespace
}  // namespace tolvane::styler
