#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "stylerbutton/core/recolour_picture.h"
#include "tests/stylerbutton/core/painter_test_support.h"

namespace tolvane::styler {
namespace {

using gdi::Colour;
using testing::ButtonFixture;
using testing::SamePixels;

constexpr Colour kMagenta = 0xFF00FF;
constexpr Colour kSilhouette = 0xB2B2B2;

// An icon on a magenta ground: every pixel a different colour except the magenta ones, which
// lie on a checkerboard, and one pixel one step away from magenta.
std::shared_ptr<gdi::Surface> MakeIcon(int width, int height) {
    auto icon = std::make_shared<gdi::Surface>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool transparent = (x + y) % 2 == 0;
            icon->PSet(x, y, transparent ? kMagenta : gdi::Rgb(x % 256, y % 256, 7));
        }
    }
    icon->PSet(1, 0, 0xFE00FF);
    return icon;
}

// What the surface shows with the icon at (left, top): each icon pixel that is not exactly
// magenta, drawn as `solid` when given, over the picture without the icon.
gdi::Surface WithIcon(gdi::Surface picture, const gdi::Surface& icon, int left, int top,
                      std::optional<Colour> solid = std::nullopt) {
    for (int y = 0; y < icon.Height(); ++y) {
        for (int x = 0; x < icon.Width(); ++x) {
            if (icon.Point(x, y) != kMagenta) {
                picture.PSet(left + x, top + y, solid.value_or(icon.Point(x, y)));
            }
        }
    }
    return picture;
}

// The button's picture without an icon, in the same state.
gdi::Surface WithoutIcon(int width, int height, std::int32_t alignment, bool enabled) {
    ButtonFixture f(width, height, ThemeSilver);
    f.text.box_width = 0;
    f.button.SetIconAlignment(alignment);
    f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
    return f.Repaint();
}

struct IconCase {
    int surfaceWidth, surfaceHeight, iconWidth, iconHeight;
    std::int32_t alignment;
    int left, top;
};

// 16 x 16 on 105 x 33 lands at (5, 8) or (84, 8) (8.5 rounds to 8); 32 x 32 on 33 high at y 0;
// an icon taller than the button starts above it and is clipped at both edges.
constexpr IconCase kPlacements[] = {
    {105, 33, 16, 16, IconLeft, 5, 8},  {105, 33, 16, 16, IconRight, 84, 8},
    {105, 33, 32, 32, IconLeft, 5, 0},  {105, 33, 32, 32, IconRight, 68, 0},
    {105, 33, 16, 50, IconLeft, 5, -8}, {100, 30, 15, 15, IconRight, 80, 8},
};

TEST(IconPainterTest, PlacementAndTransparency) {
    for (const IconCase& c : kPlacements) {
        for (const bool enabled : {true, false}) {
            SCOPED_TRACE(::testing::Message() << c.iconWidth << "x" << c.iconHeight << " align "
                                              << c.alignment << " enabled " << enabled);
            const auto icon = MakeIcon(c.iconWidth, c.iconHeight);
            ButtonFixture f(c.surfaceWidth, c.surfaceHeight, ThemeSilver);
            f.text.box_width = 0;  // the caption would cover part of the icon
            f.button.SetIconDisableColor(kSilhouette);
            f.button.SetIcon(icon);
            f.button.SetIconAlignment(c.alignment);
            f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
            const gdi::Surface expected = WithIcon(
                WithoutIcon(c.surfaceWidth, c.surfaceHeight, c.alignment, enabled), *icon, c.left,
                c.top, enabled ? std::nullopt : std::optional<Colour>(kSilhouette));
            EXPECT_TRUE(SamePixels(f.Repaint(), expected));
        }
    }
}

// Disabling draws a flat silhouette; enabling again shows the icon's own colours, as the
// picture in imgIcon is never altered.
TEST(IconPainterTest, SilhouetteComesAndGoes) {
    const auto icon = MakeIcon(16, 16);
    const gdi::Surface original = *icon;
    ButtonFixture f(105, 33, ThemeSilver);
    f.text.box_width = 0;
    f.button.SetIconDisableColor(kSilhouette);
    f.button.SetIcon(icon);
    f.button.SetEnabled(BoolFalse);
    const gdi::Surface& disabled = f.Repaint();
    EXPECT_EQ(disabled.Point(5 + 1, 8 + 0), kSilhouette);  // one step from magenta: opaque
    EXPECT_EQ(disabled.Point(5, 8), WithoutIcon(105, 33, IconLeft, false).Point(5, 8));

    f.button.SetEnabled(BoolTrue);
    EXPECT_TRUE(
        SamePixels(f.Repaint(), WithIcon(WithoutIcon(105, 33, IconLeft, true), original, 5, 8)));
    EXPECT_TRUE(SamePixels(*f.button.imgIcon().Picture(), original));
    EXPECT_TRUE(SamePixels(f.button.imgIcon().hDC(), original));
}

// The silhouette is rebuilt from a fresh copy of the picture on every disabled repaint: pixels of
// a new transparent colour show the background even though an earlier repaint recoloured them.
TEST(IconPainterTest, SilhouetteIsRebuiltEveryRepaint) {
    auto icon = std::make_shared<gdi::Surface>(4, 4, 0x0000FF);
    icon->PSet(0, 0, kMagenta);
    ButtonFixture f(105, 33, ThemeSilver);
    f.text.box_width = 0;
    f.button.SetIconDisableColor(kSilhouette);
    f.button.SetIcon(icon);
    f.button.SetEnabled(BoolFalse);
    EXPECT_EQ(f.Repaint().Point(5 + 2, 14 + 2), kSilhouette);  // 16.5 - 2 rounds to 14
    f.button.SetIconDisableColor(0x00FF00);
    f.button.SetIconTransparentColour(0x0000FF);
    const gdi::Surface& s = f.Repaint();
    EXPECT_EQ(s.Point(5 + 2, 14 + 2), WithoutIcon(105, 33, IconLeft, false).Point(7, 16));
    EXPECT_EQ(s.Point(5, 14), 0x00FF00u);  // the magenta pixel is now opaque
}

// Alignments other than IconLeft and IconRight draw no icon in either state; a disabled button
// still makes its silhouette.
TEST(IconPainterTest, NoIconForOtherAlignments) {
    for (const std::int32_t alignment : {0, 3, -1}) {
        for (const bool enabled : {true, false}) {
            ButtonFixture f(105, 33, ThemeSilver);
            f.text.box_width = 0;
            f.button.SetIconDisableColor(kSilhouette);
            f.button.SetIcon(MakeIcon(16, 16));
            f.button.SetIconAlignment(alignment);
            f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
            EXPECT_TRUE(SamePixels(f.Repaint(), WithoutIcon(105, 33, alignment, enabled)))
                << alignment << enabled;
            if (!enabled) {
                EXPECT_EQ(f.button.imgDis().Point(1, 0), kSilhouette);
                EXPECT_EQ(f.button.imgDis().Point(0, 0), kMagenta);
            }
        }
    }
}

TEST(IconPainterTest, NoIconAssignedDrawsNothing) {
    for (const bool enabled : {true, false}) {
        ButtonFixture f(105, 33, ThemeSilver);
        f.text.box_width = 0;
        f.button.SetIcon(MakeIcon(16, 16));
        f.button.SetIcon(nullptr);
        f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
        EXPECT_TRUE(SamePixels(f.Repaint(), WithoutIcon(105, 33, IconLeft, enabled)));
        EXPECT_EQ(f.text.printed.size(), 1u);
    }
}

// The caption is drawn after the icon, so where they meet the caption shows.
TEST(IconPainterTest, CaptionIsDrawnOverTheIcon) {
    ButtonFixture f(105, 33, ThemeSilver);
    f.text.box_width = 10;
    f.text.box_height = 10;
    f.button.SetIcon(std::make_shared<gdi::Surface>(16, 16, 0x00FF00));
    f.button.SetCaptionAlignment(AlignMiddleLeft);
    f.button.SetForeColor(0x0000FF);
    const gdi::Surface& s = f.Repaint();
    ASSERT_EQ(f.text.printed.at(0).X, 1);
    EXPECT_EQ(s.Point(6, 12), 0x0000FFu);   // under both
    EXPECT_EQ(s.Point(12, 12), 0x00FF00u);  // icon only
}

TEST(RecolourPictureTest, ColumnsOfTheHolderBecomeTheNewColour) {
    PictureHolder holder;
    holder.SetPicture(MakeIcon(3, 2));
    RecolourPicture(holder, kMagenta, 0x010203);
    EXPECT_EQ(holder.ScaleWidth(), 3);  // automatic sizing was turned on
    const Colour expected[2][3] = {{kMagenta, 0x010203, kMagenta}, {0x010203, kMagenta, 0x010203}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(holder.Point(x, y), expected[y][x]) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace tolvane::styler
