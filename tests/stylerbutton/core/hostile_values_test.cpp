#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>

#include "gdi/region.h"
#include "tests/stylerbutton/core/painter_test_support.h"

namespace tolvane::styler {
namespace {

using testing::ButtonFixture;
using testing::SamePixels;

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

enum class State { Normal, HoveredAndFocused, PressedWithFocus, Disabled };

void Enter(ButtonFixture& f, State state) {
    switch (state) {
        case State::HoveredAndFocused:
            f.Hover(true);
            f.Focus(true);
            break;
        case State::PressedWithFocus:
            f.Focus(true);
            f.Press(true);
            break;
        case State::Disabled:
            f.Hover(true);
            f.button.SetEnabled(BoolFalse);
            break;
        case State::Normal:
            break;
    }
}

// Every theme value, every rounding, tiny surfaces and every state: a repaint never fails, the
// rounding is raised to at least 1, the region follows it and the picture is the same each time.
TEST(HostileValuesTest, ThemesRoundingsAndTinySurfaces) {
    const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {2, 3}, {3, 2}, {7, 7}};
    const std::int32_t themes[] = {kMin32, -1, 0, 1, 2, 3, 4, kMax32};
    const std::int32_t roundings[] = {kMin32, -5, 0, 1, 2, 5, 1000, kMax32};
    const State states[] = {State::Normal, State::HoveredAndFocused, State::PressedWithFocus,
                            State::Disabled};
    for (const auto& [width, height] : sizes) {
        for (const std::int32_t theme : themes) {
            for (const std::int32_t rounding : roundings) {
                for (const State state : states) {
                    SCOPED_TRACE(::testing::Message()
                                 << width << "x" << height << " theme " << theme << " rounding "
                                 << rounding << " state " << static_cast<int>(state));
                    ButtonFixture f(width, height, theme);
                    f.button.SetIcon(testing::MakePicture(16, 16, 0x00FF00));
                    f.button.SetCaptionEffect(EffectOutline);
                    f.button.SetRoundedValue(rounding);
                    Enter(f, state);
                    const gdi::Surface first = f.Repaint();
                    const std::int32_t corner = std::max(rounding, 1);
                    EXPECT_EQ(f.button.RoundedValue(), corner);
                    EXPECT_EQ(f.container.regions.back(),
                              gdi::CreateRoundRectRgn(0, 0, width, height, corner - 1, corner - 1));
                    EXPECT_TRUE(SamePixels(f.Repaint(), first));
                    EXPECT_EQ(first.Width(), width);
                }
            }
        }
    }
}

// A large surface: the whole picture is computed, edges included.
TEST(HostileValuesTest, FourThousandSquare) {
    ButtonFixture f(4000, 4000, ThemeSilver);
    f.button.SetIcon(testing::MakePicture(32, 32, 0x00FF00));
    f.button.SetCaptionEffect(EffectShadow);
    Enter(f, State::PressedWithFocus);
    const gdi::Surface& s = f.Repaint();
    EXPECT_EQ(s.Point(0, 0), 0xFBF8F5u);        // pressed S1
    EXPECT_EQ(s.Point(3999, 1999), 0xD4B58Au);  // pressed S3, right strip
    EXPECT_EQ(s.Point(2000, 1), 0xFDFCF9u);     // pressed E2
    EXPECT_EQ(s.Point(2000, 0), 0xAA5720u);     // outline
    EXPECT_EQ(s.Point(3, 2), 0u);               // focus dot
    EXPECT_EQ(s.Point(5, 1984), 0x00FF00u);     // icon at (5, 1984)
    EXPECT_EQ(f.text.printed.size(), 2u);
}

// Each offset setter over its whole 16-bit range: the caption shows exactly while the offset is
// a byte.
TEST(HostileValuesTest, OffsetsOverTheWholeSixteenBitRange) {
    using Setter = void (StylerButton::*)(std::int16_t);
    const struct {
        Setter set;
        std::int32_t effect;
        std::size_t layers;
    } cases[] = {
        {&StylerButton::SetCaptionOffsetX, EffectNone, 1},
        {&StylerButton::SetCaptionOffsetY, EffectNone, 1},
        {&StylerButton::SetShadowOffsetX, EffectShadow, 2},
        {&StylerButton::SetShadowOffsetY, EffectShadow, 2},
    };
    for (const auto& c : cases) {
        ButtonFixture f(8, 6, ThemeDarkGloss);
        f.button.SetCaptionEffect(c.effect);
        int mismatches = 0;
        for (std::int32_t value = -32768; value <= 32767; ++value) {
            f.text.printed.clear();
            (f.button.*c.set)(static_cast<std::int16_t>(value));
            const std::size_t expected = value >= 0 && value <= 255 ? c.layers : 0;
            mismatches += f.text.printed.size() != expected;
        }
        EXPECT_EQ(mismatches, 0) << c.effect;
    }
}

// An icon far larger than the button is clipped to it, enabled and as a silhouette.
TEST(HostileValuesTest, HugeIcon) {
    auto icon = std::make_shared<gdi::Surface>(2000, 3000);
    for (int y = 0; y < icon->Height(); ++y) {
        for (int x = 0; x < icon->Width(); ++x) {
            icon->PSet(x, y, gdi::Rgb(x % 256, y % 256, 7));
        }
    }
    for (const bool enabled : {true, false}) {
        ButtonFixture f(105, 33, ThemeBlueGlass);
        f.text.box_width = 0;
        f.button.SetIcon(icon);
        f.button.SetIconAlignment(IconRight);
        f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
        const gdi::Surface& s = f.Repaint();
        // IconX = round(105 - 2000 - 5) = -1900, IconY = round(16.5 - 1500) = -1484.
        EXPECT_EQ(s.Point(0, 0), enabled ? gdi::Rgb(1900 % 256, 1484 % 256, 7) : 0xD4D4D4u);
        EXPECT_EQ(s.Point(99, 32), enabled ? gdi::Rgb(1999 % 256, 1516 % 256, 7) : 0xD4D4D4u);
        EXPECT_NE(s.Point(100, 32), s.Point(99, 32));  // 5 pixels in from the right edge
    }
}

// A text engine that fails loses the caption only.
class FailingTextEngine : public testing::RecordingTextEngine {
  public:
    double TextWidth(const gdi::Surface&, std::string_view) override {
        throw std::invalid_argument("font size 0 pt is not between 0 and 2160 pt");
    }
};

TEST(HostileValuesTest, FailingTextEngineLosesOnlyTheCaption) {
    ButtonFixture reference(105, 33, ThemeSilver);
    reference.text.box_width = 0;
    ButtonFixture f(105, 33, ThemeSilver);
    FailingTextEngine failing;
    f.container.text_engine = &failing;
    EXPECT_TRUE(SamePixels(f.Repaint(), reference.Repaint()));
    EXPECT_TRUE(failing.printed.empty());
}

// A button that was never given its properties: no font, Theme 0, disabled. Giving it a theme
// paints the disabled look with zero colours and an empty caption, and keeps the surface font.
TEST(HostileValuesTest, InstanceWithoutProperties) {
    testing::FakeContainer container;
    testing::RecordingTextEngine text;
    container.text_engine = &text;
    StylerButton button(container);
    button.OnPaint();
    EXPECT_TRUE(text.printed.empty());
    button.SetTheme(ThemeSilver);
    EXPECT_EQ(container.Surface().Font(), nullptr);
    EXPECT_EQ(container.Surface().Point(50, 15), 0xEEEEEEu);
    ASSERT_EQ(text.printed.size(), 1u);
    EXPECT_EQ(text.printed[0].Text, "");
}

}  // namespace
}  // namespace tolvane::styler
