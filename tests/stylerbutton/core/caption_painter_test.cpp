#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/stylerbutton/core/painter_test_support.h"

namespace tolvane::styler {
namespace {

using gdi::Colour;
using testing::ButtonFixture;
using Printed = testing::RecordingTextEngine::Printed;

constexpr Colour kFore = 0x112233;
constexpr Colour kEffect = 0x445566;
constexpr Colour kGrey = 0x808080;
constexpr Colour kDisabled = 0x778899;

// A 100 x 33 silver button whose caption "OK" measures 41 x 12.
struct CaptionFixture : ButtonFixture {
    CaptionFixture() : ButtonFixture(100, 33, ThemeSilver) {
        button.SetCaption("OK");
        button.SetForeColor(kFore);
        button.SetCaptionEffectColor(kEffect);
        button.SetCaptionDisableColor(kDisabled);
    }
    const std::vector<Printed>& Layers() {
        text.width_calls = text.height_calls = 0;
        Repaint();
        return text.printed;
    }
};

// Anchors: the left column 1 pixel in, the right column 3 pixels in, the bottom row 1 pixel up,
// centred text 1 pixel left of and above the centre (28.5 and 9.5 round to even). The text is
// measured only along the axes that need it.
TEST(CaptionPositionTest, EveryAlignment) {
    const struct {
        std::int32_t alignment;
        int x, y;
        int widthCalls, heightCalls;
    } cases[] = {
        {AlignTopLeft, 1, 0, 0, 0},
        {AlignMiddleLeft, 1, 10, 0, 1},
        {AlignBottomLeft, 1, 20, 0, 1},
        {AlignTopCenter, 28, 0, 1, 0},
        {AlignMiddleCenter, 28, 10, 1, 1},
        {AlignBottomCenter, 28, 20, 1, 1},
        {AlignTopRight, 56, 0, 1, 0},
        {AlignMiddleRight, 56, 10, 1, 1},
        {AlignBottomRight, 56, 20, 1, 1},
        {0, 0, 0, 0, 0},
        {10, 0, 0, 0, 0},
        {-1, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alignment);
        CaptionFixture f;
        f.button.SetCaptionAlignment(c.alignment);
        const auto& layers = f.Layers();
        ASSERT_EQ(layers.size(), 1u);
        EXPECT_EQ(layers[0], (Printed{c.x, c.y, "OK", kFore}));
        EXPECT_EQ(f.text.width_calls, c.widthCalls);
        EXPECT_EQ(f.text.height_calls, c.heightCalls);
    }
}

// Offsets are added after the anchor's own arithmetic and rounded with it.
TEST(CaptionPositionTest, OffsetsMoveRightAndDown) {
    CaptionFixture f;
    f.button.SetCaptionAlignment(AlignTopRight);
    f.button.SetCaptionOffsetX(2);
    EXPECT_EQ(f.Layers().at(0), (Printed{58, 0, "OK", kFore}));

    f.button.SetCaptionAlignment(AlignMiddleCenter);
    f.button.SetCaptionOffsetX(3);    // 28.5 + 3 = 31.5 -> 32
    f.button.SetCaptionOffsetY(255);  // 9.5 + 255 = 264.5 -> 264
    EXPECT_EQ(f.Layers().at(0), (Printed{32, 264, "OK", kFore}));
}

// An offset that is not a byte makes the caption vanish for every alignment 1 to 9, in every
// state; the other alignments do not read the offsets and draw at (0, 0).
TEST(CaptionPositionTest, OffsetOutsideAByteHidesTheCaption) {
    for (const std::int16_t offset : {-1, 256, -32768, 32767}) {
        for (const bool horizontal : {true, false}) {
            for (const bool enabled : {true, false}) {
                for (std::int32_t alignment = 0; alignment <= 10; ++alignment) {
                    SCOPED_TRACE(::testing::Message()
                                 << offset << horizontal << enabled << " alignment " << alignment);
                    CaptionFixture f;
                    f.button.SetCaptionAlignment(alignment);
                    horizontal ? f.button.SetCaptionOffsetX(offset)
                               : f.button.SetCaptionOffsetY(offset);
                    f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
                    const auto& layers = f.Layers();
                    if (alignment >= 1 && alignment <= 9) {
                        EXPECT_TRUE(layers.empty());
                    } else {
                        ASSERT_EQ(layers.size(), 1u);
                        EXPECT_EQ(layers[0].X, 0);
                        EXPECT_EQ(layers[0].Y, 0);
                    }
                }
            }
        }
    }
}

// The layers of each effect around the caption at (28, 10), in order; the top layer is always
// the caption itself in ForeColor, which stays the surface's foreground colour.
TEST(CaptionEffectTest, LayersPositionsAndColours) {
    const struct {
        std::int32_t effect;
        std::vector<Printed> layers;
    } cases[] = {
        {EffectNone, {{28, 10, "OK", kFore}}},
        {EffectEmbossed, {{27, 9, "OK", kEffect}, {29, 11, "OK", kGrey}, {28, 10, "OK", kFore}}},
        {EffectEngraved, {{29, 11, "OK", kEffect}, {27, 10, "OK", kGrey}, {28, 10, "OK", kFore}}},
        {EffectOutline,
         {{29, 10, "OK", kEffect},
          {27, 10, "OK", kEffect},
          {28, 9, "OK", kEffect},
          {28, 11, "OK", kEffect},
          {28, 10, "OK", kFore}}},
        {EffectShadow, {{30, 12, "OK", kEffect}, {28, 10, "OK", kFore}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.effect);
        CaptionFixture f;
        f.button.SetCaptionEffect(c.effect);
        EXPECT_EQ(f.Layers(), c.layers);
        EXPECT_EQ(f.Surface().ForeColor(), kFore);
        // Each layer is drawn over the ones before it.
        EXPECT_EQ(f.Surface().Point(28, 10), kFore);
        EXPECT_EQ(f.Surface().Point(29, 11), kFore);
    }
}

TEST(CaptionEffectTest, EmbossedLayersShowThroughAtTheEdges) {
    CaptionFixture f;
    f.button.SetCaptionEffect(EffectEmbossed);
    f.Layers();
    EXPECT_EQ(f.Surface().Point(27, 9), kEffect);
    EXPECT_EQ(f.Surface().Point(30, 12), kGrey);
}

TEST(CaptionEffectTest, ShadowUsesItsOwnOffsets) {
    CaptionFixture f;
    f.button.SetCaptionEffect(EffectShadow);
    f.button.SetShadowOffsetX(0);
    f.button.SetShadowOffsetY(255);
    EXPECT_EQ(f.Layers().at(0), (Printed{28, 265, "OK", kEffect}));
}

// A shadow offset that is not a byte stops the caption after the effect colour was set: nothing
// is printed and the surface is left in the effect colour.
TEST(CaptionEffectTest, ShadowOffsetOutsideAByteDrawsNothing) {
    for (const std::int16_t offset : {-1, 256}) {
        for (const bool horizontal : {true, false}) {
            CaptionFixture f;
            f.button.SetCaptionEffect(EffectShadow);
            horizontal ? f.button.SetShadowOffsetX(offset) : f.button.SetShadowOffsetY(offset);
            EXPECT_TRUE(f.Layers().empty()) << offset;
            EXPECT_EQ(f.Surface().ForeColor(), kEffect);
        }
    }
}

// An unknown effect draws no caption on an enabled button.
TEST(CaptionEffectTest, UnknownEffectDrawsNothing) {
    for (const std::int32_t effect : {0, 6, -1}) {
        CaptionFixture f;
        f.button.SetCaptionEffect(effect);
        EXPECT_TRUE(f.Layers().empty()) << effect;
    }
}

// A disabled button shows one plain layer in CaptionDisableColor whatever the effect holds, at
// the same place as an enabled one.
TEST(CaptionEffectTest, DisabledCaptionIsOnePlainLayer) {
    for (const std::int32_t effect : {0, 1, 2, 3, 4, 5, 6}) {
        CaptionFixture f;
        f.button.SetCaptionEffect(effect);
        f.button.SetShadowOffsetX(-1);
        f.button.SetEnabled(BoolFalse);
        EXPECT_EQ(f.Layers(), (std::vector<Printed>{{28, 10, "OK", kDisabled}})) << effect;
        EXPECT_EQ(f.Surface().ForeColor(), kDisabled);
    }
}

// The caption stays at its place in every state look.
TEST(CaptionPositionTest, SamePlaceInEveryState) {
    CaptionFixture f;
    f.Hover(true);
    EXPECT_EQ(f.Layers().back(), (Printed{28, 10, "OK", kFore}));
    f.Press(true);
    f.Focus(true);
    EXPECT_EQ(f.Layers().back(), (Printed{28, 10, "OK", kFore}));
}

}  // namespace
}  // namespace tolvane::styler
