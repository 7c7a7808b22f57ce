// The button on a screen with more device pixels per logical pixel: each logical pixel of the
// picture at ratio 1 is found again among the device pixels it covers at ratio 2 and 3, in the
// shape and in colour. Gradients may differ by the finer steps of their ramps and the corners by
// their finer arcs; an unscaled inset, an outline or a focus dot left one device pixel thin, or
// a shape cut at the logical size would change whole rows or columns.
//
// Fractional ratios are left out: there a logical pixel covers a varying number of device
// pixels, counted from the near edge for the left and top details and from the far edge for the
// right and bottom ones, so no single mapping of pixels holds for both sides.
#include <algorithm>
#include <cstdint>
#include <vector>
#include <cstdlib>

#include <gtest/gtest.h>

#include "stylerbutton/core/button_values.h"
#include "tests/stylerbutton/core/painter_test_support.h"

namespace tolvane::styler {
namespace {

using testing::ButtonFixture;

struct LookCase {
    const char* Name;
    bool Enabled;
    bool Over;
    bool Pressed;
    bool Focused;
};

constexpr LookCase kLooks[] = {
    {"normal", true, false, false, false},  {"hover", true, true, false, false},
    {"pressed", true, false, true, false},  {"focused with dots", true, false, false, true},
    {"disabled", false, false, false, false},
};

// Even sizes, so that half the size is a whole number of logical pixels.
constexpr int kWidth = 104;
constexpr int kHeight = 34;

struct Painted {
    gdi::Surface Picture;
    gdi::Region Shape;
};

Painted Paint(std::int32_t theme, const LookCase& look, double ratio) {
    const DeviceScale scale(ratio);
    ButtonFixture f(scale.Whole(kWidth), scale.Whole(kHeight), theme);
    f.container.device_pixel_ratio = ratio;
    f.text.box_width = 0;  // the caption has its own test
    f.button.SetFocusDottedRect(BoolTrue);
    f.button.SetEnabled(look.Enabled ? BoolTrue : BoolFalse);
    f.Focus(look.Focused || look.Pressed);
    f.Press(look.Pressed);
    f.Hover(look.Over);
    f.Repaint();
    return {f.Surface(), f.container.regions.back()};
}

int ChannelDistance(gdi::Colour a, gdi::Colour b) {
    int largest = 0;
    for (int shift : {0, 8, 16}) {
        largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 255u) -
                                             static_cast<int>((b >> shift) & 255u)));
    }
    return largest;
}

// Whether some device pixel of the logical pixel (x, y) satisfies `matches`: a band edge that
// falls in the middle of a logical pixel at ratio r lies on one of its sides at ratio 1.
template <class Matches>
bool SomeDevicePixel(int x, int y, double ratio, Matches&& matches) {
    const DeviceScale scale(ratio);
    for (int dy = scale.Whole(y); dy < std::max(scale.Whole(y) + 1, scale.Whole(y + 1)); ++dy) {
        for (int dx = scale.Whole(x); dx < std::max(scale.Whole(x) + 1, scale.Whole(x + 1));
             ++dx) {
            if (matches(dx, dy)) {
                return true;
            }
        }
    }
    return false;
}

TEST(ScaledPaintTest, EachLogicalPixelOfTheScaledButtonHoldsItsColourAtRatioOne) {
    for (const std::int32_t theme : {ThemeDarkGloss, ThemeBlueGlass, ThemeSilver}) {
        for (const LookCase& look : kLooks) {
            const Painted logical = Paint(theme, look, 1.0);
            for (const double ratio : {2.0, 3.0}) {
                SCOPED_TRACE(::testing::Message() << "theme " << theme << ", " << look.Name
                                                  << ", ratio " << ratio);
                const Painted device = Paint(theme, look, ratio);
                int shape_misses = 0;
                int colour_misses = 0;
                for (int y = 0; y < kHeight; ++y) {
                    for (int x = 0; x < kWidth; ++x) {
                        const bool inside = logical.Shape.Contains(x, y);
                        shape_misses += !SomeDevicePixel(x, y, ratio, [&](int dx, int dy) {
                            return device.Shape.Contains(dx, dy) == inside;
                        });
                        colour_misses +=
                            inside && !SomeDevicePixel(x, y, ratio, [&](int dx, int dy) {
                                return device.Shape.Contains(dx, dy) &&
                                       ChannelDistance(logical.Picture.Point(x, y),
                                                       device.Picture.Point(dx, dy)) <= 16;
                            });
                    }
                }
                EXPECT_EQ(shape_misses, 0);
                // Only the corners' finer arcs may hold colours the logical pixel does not.
                EXPECT_LE(colour_misses, 4 * 2);
            }
        }
    }
}

// The caption in every anchor and effect, with the text engine measuring in the font's device
// size: at ratio 2 every layer lands at twice its place at ratio 1. Sizes, offsets and metrics are
// chosen so that no place at ratio 1 is rounded.
TEST(ScaledPaintTest, EveryCaptionLayerLandsAtTwiceItsPlace) {
    const auto layers = [](std::int32_t alignment, std::int32_t effect, int ratio) {
        ButtonFixture f(kWidth * ratio, kHeight * ratio, ThemeSilver);
        f.container.device_pixel_ratio = ratio;
        f.text.text_width = 40.0 * ratio;
        f.text.text_height = 12.0 * ratio;
        f.button.SetCaption("Close");
        f.button.SetCaptionAlignment(alignment);
        f.button.SetCaptionEffect(effect);
        f.button.SetCaptionOffsetX(3);
        f.button.SetCaptionOffsetY(2);
        f.button.SetShadowOffsetX(2);
        f.button.SetShadowOffsetY(1);
        f.Repaint();
        std::vector<std::pair<int, int>> places;
        for (const auto& printed : f.text.printed) {
            places.emplace_back(printed.X, printed.Y);
        }
        return places;
    };
    for (std::int32_t alignment = AlignTopLeft; alignment <= AlignBottomRight; ++alignment) {
        for (std::int32_t effect = EffectNone; effect <= EffectShadow; ++effect) {
            SCOPED_TRACE(::testing::Message() << "alignment " << alignment << ", effect " << effect);
            std::vector<std::pair<int, int>> doubled = layers(alignment, effect, 1);
            for (auto& [x, y] : doubled) {
                x *= 2;
                y *= 2;
            }
            EXPECT_EQ(layers(alignment, effect, 2), doubled);
        }
    }
}

}  // namespace
}  // namespace tolvane::styler
