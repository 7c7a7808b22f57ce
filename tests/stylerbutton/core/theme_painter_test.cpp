#include <gtest/gtest.h>

#include <cstdint>

#include "gdi/region.h"
#include "gdi/round_rect.h"
#include "stylerbutton/core/primitives.h"
#include "stylerbutton/core/theme_painter.h"
#include "tests/stylerbutton/core/painter_test_support.h"

namespace tolvane::styler {
namespace {

using gdi::Colour;
using testing::ButtonFixture;
using testing::SamePixels;

constexpr Colour kWhite = 0xFFFFFF;

// The looks in the order of the design's colour tables.
enum LookIndex { kNormal, kHover, kFocused, kPressed, kDisabled };

// Puts the button into a look; the focus frame is switched off so that only the look shows.
void ShowLook(ButtonFixture& f, int look) {
    f.button.SetFocusDottedRect(BoolFalse);
    f.text.box_width = 0;  // captions leave no mark in these pictures
    switch (look) {
        case kHover:
            f.Hover(true);
            break;
        case kFocused:
            f.Focus(true);
            break;
        case kPressed:
            f.Press(true);
            break;
        case kDisabled:
            f.button.SetEnabled(BoolFalse);
            break;
        default:
            break;
    }
}

gdi::Surface Background(int width, int height) {
    return gdi::Surface(width, height, ButtonFixture::kBackground);
}

void Fill(gdi::Surface& s, int mode, int l, int t, int r, int b, Colour from, Colour to) {
    gdi::Rect rect;
    SetGradientRect(rect, l, t, r, b);
    FillGradient(s, rect, mode, from, to);
}

void Outline(gdi::Surface& s, Colour pen, int l, int t, int r, int b, int corner = 5) {
    s.SetForeColor(pen);
    gdi::RoundRect(s, l, t, r, b, corner, corner);
}

// ---- ThemeBlueGlass on 100 x 30 ------------------------------------------------------------

// Rows of the design's table: Normal, Hover, Focused, Pressed, Disabled.
constexpr Colour kUpperTop[] = {0xFBF9F6, 0xFCF9F5, 0xFCF9F5, 0xFBF5EF, 0xFBF9F6};
constexpr Colour kUpperBottom[] = {0xE5D0A8, 0xDEB77A, 0xDEC594, 0xD6A261, 0xE5D0A8};
constexpr Colour kLowerTop[] = {0xD9C192, 0xC8994E, 0xD1B37B, 0xCD954E, 0xDFCBA3};
constexpr Colour kLowerBottom[] = {0xF7ECD5, 0xFCD9A2, 0xFCD9A2, 0xEBCAA2, 0xF7ECD5};

class BlueGlassLookTest : public ::testing::TestWithParam<int> {};

TEST_P(BlueGlassLookTest, BandsOutlinesAndDotsOn100By30) {
    const int look = GetParam();
    ButtonFixture f(100, 30, ThemeBlueGlass);
    ShowLook(f, look);
    const gdi::Surface& actual = f.Repaint();

    gdi::Surface expected(100, 30, kWhite);
    Fill(expected, 1, 3, 3, 96, 14, kUpperTop[look], kUpperBottom[look]);
    Fill(expected, 1, 3, 14, 96, 26, kLowerTop[look], kLowerBottom[look]);
    Outline(expected, 0xCFBDA1, 0, 0, 99, 29);
    Outline(expected, kWhite, 1, 1, 98, 28);
    Outline(expected, kWhite, 2, 2, 97, 27);
    for (const auto& [x, y] : {std::pair{3, 25}, {3, 3}, {95, 25}, {95, 3}}) {
        expected.PSet(x, y, kWhite);
    }
    EXPECT_TRUE(SamePixels(actual, expected));
    EXPECT_EQ(actual.Point(50, 3), kUpperTop[look]);
    EXPECT_EQ(actual.Point(50, 14), kLowerTop[look]);
    EXPECT_EQ(actual.Point(50, 0), 0xCFBDA1u);
    EXPECT_EQ(actual.BackColor(), kWhite);
}

INSTANTIATE_TEST_SUITE_P(EveryLook, BlueGlassLookTest, ::testing::Range(0, 5));

// The bands meet at rnd(H/2 - 1), halves going to the even row.
TEST(BlueGlassTest, BandsMeetAtTheRoundedHalf) {
    const struct {
        int height;
        int meet;
    } cases[] = {{21, 10}, {23, 10}, {25, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        ButtonFixture f(100, c.height, ThemeBlueGlass);
        const gdi::Surface& s = f.Repaint();
        EXPECT_EQ(s.Point(50, c.meet), kLowerTop[kNormal]);
        EXPECT_NE(s.Point(50, c.meet - 1), kLowerTop[kNormal]);
        EXPECT_EQ(s.Point(50, 3), kUpperTop[kNormal]);
    }
}

// ---- ThemeDarkGloss --------------------------------------------------------------------------

constexpr Colour kA1[] = {0xCCCCC4, 0xCCCCC4, 0xCCCCC4, 0xC3C1B6};
constexpr Colour kA2[] = {0x776455, 0x776455, 0x776455, 0x776455};
constexpr Colour kB1[] = {0x000000, 0x34270A, 0x34270A, 0x000000};
constexpr Colour kB2[] = {0x331D0D, 0x544010, 0x544010, 0x462711};
constexpr Colour kG0[] = {0x331D0D, 0x544010, 0x544010, 0x462711};
constexpr Colour kG1[] = {0x6F4F19, 0xBCAC54, 0xA08034, 0xC48D2C};
constexpr Colour kG2[] = {0x231409, 0x34270A, 0x34270A, 0x231409};

class DarkGlossLookTest : public ::testing::TestWithParam<int> {};

TEST_P(DarkGlossLookTest, HalvesAndGlowTilesOn100By30) {
    const int look = GetParam();
    ButtonFixture f(100, 30, ThemeDarkGloss);
    ShowLook(f, look);
    const gdi::Surface& actual = f.Repaint();

    gdi::Surface expected = Background(100, 30);
    if (look == kDisabled) {
        Fill(expected, 1, 0, 0, 100, 15, 0xC3C1B6, 0x776455);
        Fill(expected, 1, 0, 15, 100, 30, 0x000000, 0x363232);
    } else {
        Fill(expected, 1, 0, 0, 100, 15, kA1[look], kA2[look]);
        Fill(expected, 1, 0, 15, 100, 20, kB1[look], kB2[look]);
        const Colour g0 = kG0[look], g1 = kG1[look], g2 = kG2[look];
        DrawGradientFourColour(expected, 0, 20, 25, 10, g0, g0, g2, g1);
        DrawGradientFourColour(expected, 25, 20, 25, 10, g0, g0, g1, g1);
        DrawGradientFourColour(expected, 49, 20, 25, 10, g0, g0, g1, g1);
        DrawGradientFourColour(expected, 74, 20, 25, 10, g0, g0, g1, g2);
        for (int y = 20; y < 30; ++y) {
            EXPECT_EQ(actual.Point(99, y), ButtonFixture::kBackground) << y;
        }
        EXPECT_EQ(actual.Point(98, 20), g0);
    }
    EXPECT_TRUE(SamePixels(actual, expected));
}

INSTANTIATE_TEST_SUITE_P(EveryLook, DarkGlossLookTest, ::testing::Range(0, 5));

TEST(DarkGlossTest, TenPixelsWideGetsTwoPixelTilesAndTwoBareColumns) {
    ButtonFixture f(10, 30, ThemeDarkGloss);
    ShowLook(f, kNormal);
    const gdi::Surface& actual = f.Repaint();
    gdi::Surface expected = Background(10, 30);
    Fill(expected, 1, 0, 0, 10, 15, kA1[0], kA2[0]);
    Fill(expected, 1, 0, 15, 10, 20, kB1[0], kB2[0]);
    DrawGradientFourColour(expected, 0, 20, 2, 10, kG0[0], kG0[0], kG2[0], kG1[0]);
    for (const int left : {2, 4}) {
        DrawGradientFourColour(expected, left, 20, 2, 10, kG0[0], kG0[0], kG1[0], kG1[0]);
    }
    DrawGradientFourColour(expected, 6, 20, 2, 10, kG0[0], kG0[0], kG1[0], kG2[0]);
    EXPECT_TRUE(SamePixels(actual, expected));
    EXPECT_EQ(actual.Point(8, 25), ButtonFixture::kBackground);
    EXPECT_EQ(actual.Point(9, 29), ButtonFixture::kBackground);
}

// ---- ThemeSilver on 100 x 30 -----------------------------------------------------------------

struct SilverColours {
    Colour Q1TL, Q1TR, Q1BL, Q1BR, Q2TL, Q2TR, Q2BL, Q2BR, S1, S2, S3, S4, E1, E2, O;
};
// Columns of the design's table (Normal, Hover, Focused, Pressed), one look per entry.
constexpr SilverColours kSilver[] = {
    {0xD6D5D5, 0xEFEFEF, 0xC3C2C1, 0xEAEAEA, 0xB4B1B2, 0xE4E5E4, 0xC6C3C3, 0xECECEC, 0xFBFBFB,
     0xE2E2E2, 0xDCDCDB, 0xF8F2DD, 0xCAC8C8, 0xFFFFFF, 0x636363},
    {0xF9E2B7, 0xF8F4DC, 0xFAD899, 0xFEFDE4, 0xFACF80, 0xFEFDDC, 0xFEDDA1, 0xFCFFE0, 0xFEFEFE,
     0xFAE7C4, 0xF6D9AA, 0xFCE4AA, 0xFDE8B5, 0xFBFFE7, 0xAA5720},
    {0xDFC6A8, 0xF8F4E3, 0xD9BD98, 0xFEFDEC, 0xCFAD7E, 0xFEFEEA, 0xDEC3A1, 0xFFFFED, 0xFEFEFE,
     0xEAD9C3, 0xE3C9A9, 0xE3CEA8, 0xE6D5B4, 0xFDFCF9, 0xAA5720},
    {0xD1B38E, 0xF8EFDA, 0xC8A578, 0xFDF5E0, 0xBA8E55, 0xFDF4D9, 0xCDAA81, 0xFEF6E1, 0xFBF8F5,
     0xE2CDB3, 0xD4B58A, 0xD5BC8F, 0xDBC59E, 0xFDFCF9, 0xAA5720},
};

gdi::Surface SilverPicture(const SilverColours& c, int outlineCorner) {
    gdi::Surface s = Background(100, 30);
    DrawGradientFourColour(s, 1, 1, 50, 14, c.Q1TL, c.Q1TR, c.Q1BL, c.Q1BR);
    DrawGradientFourColour(s, 1, 14, 50, 14, c.Q2TL, c.Q2TR, c.Q2BL, c.Q2BR);
    DrawGradientFourColour(s, 50, 1, 50, 14, c.Q1TR, c.Q1TL, c.Q1BR, c.Q1BL);
    DrawGradientFourColour(s, 50, 14, 50, 14, c.Q2TR, c.Q2TL, c.Q2BR, c.Q2BL);
    Fill(s, 1, 0, 0, 2, 14, c.S1, c.S2);
    Fill(s, 1, 0, 14, 2, 30, c.S3, c.S4);
    Fill(s, 1, 97, 0, 100, 14, c.S1, c.S2);
    Fill(s, 1, 97, 14, 100, 30, c.S3, c.S4);
    Fill(s, 0, 0, 27, 50, 30, c.E1, c.E2);
    Fill(s, 0, 50, 27, 100, 30, c.E2, c.E1);
    Fill(s, 0, 0, 1, 50, 2, c.E1, c.E2);
    Fill(s, 0, 50, 1, 100, 2, c.E2, c.E1);
    Outline(s, c.O, 0, 0, 99, 29, outlineCorner);
    return s;
}

class SilverLookTest : public ::testing::TestWithParam<int> {};

TEST_P(SilverLookTest, QuadrantsStripsAndOutlineOn100By30) {
    const int look = GetParam();
    ButtonFixture f(100, 30, ThemeSilver);
    ShowLook(f, look);
    const gdi::Surface& actual = f.Repaint();
    if (look == kDisabled) {
        gdi::Surface expected = Background(100, 30);
        Fill(expected, 1, 0, 0, 100, 30, 0xEEEEEE, 0xEEEEEE);
        Outline(expected, 0xB2B2B2, 0, 0, 99, 29);
        Outline(expected, kWhite, 1, 1, 98, 28);
        EXPECT_TRUE(SamePixels(actual, expected));
        EXPECT_EQ(actual.Point(0, 0), 0xEEEEEEu);
        return;
    }
    const SilverColours& c = kSilver[look];
    EXPECT_TRUE(SamePixels(actual, SilverPicture(c, 5)));
    EXPECT_EQ(actual.Point(0, 0), c.S1);    // outside the rounded outline
    EXPECT_EQ(actual.Point(99, 14), c.S3);  // right strip, lower part
    EXPECT_EQ(actual.Point(0, 29), c.E1);   // bottom strip, left end
    EXPECT_EQ(actual.Point(50, 29), c.E2);  // bottom strip, middle
    EXPECT_EQ(actual.Point(50, 1), c.E2);   // row 1, middle
    EXPECT_EQ(actual.Point(50, 0), c.O);
}

INSTANTIATE_TEST_SUITE_P(EveryLook, SilverLookTest, ::testing::Range(0, 5));

// A rounding of 0 or less is raised to 1: square region corners (1 - 1 = 0) and outline
// corners of 1, which leave the corner pixels on the outline.
TEST(RoundedValueTest, ZeroAndNegativeGiveSquareCorners) {
    for (const std::int32_t rounding : {0, -5}) {
        ButtonFixture f(100, 30, ThemeSilver);
        f.text.box_width = 0;
        f.button.SetRoundedValue(rounding);
        EXPECT_EQ(f.button.RoundedValue(), 1);
        const gdi::Surface& actual = f.Repaint();
        EXPECT_EQ(f.container.regions.back(), gdi::CreateRoundRectRgn(0, 0, 100, 30, 0, 0));
        EXPECT_TRUE(SamePixels(actual, SilverPicture(kSilver[kNormal], 1)));
        EXPECT_EQ(actual.Point(0, 0), kSilver[kNormal].O);
    }
}

// ---- Which look, and whether the focus frame follows ----------------------------------------

struct StateCase {
    bool pressed, over, focus, dotted;
    Look look;
    bool dots;
};

// Every combination of the enabled button's flags; a disabled button shows its disabled look
// without dots whatever they hold.
constexpr StateCase kStateCases[] = {
    {false, false, false, false, Look::Normal, false},
    {false, false, false, true, Look::Normal, false},
    {false, false, true, false, Look::Focused, false},
    {false, false, true, true, Look::Focused, true},
    {false, true, false, false, Look::Hover, false},
    {false, true, false, true, Look::Hover, false},
    {false, true, true, false, Look::Hover, false},
    {false, true, true, true, Look::Hover, false},
    {true, false, false, false, Look::Pressed, false},
    {true, false, false, true, Look::Pressed, false},
    {true, false, true, false, Look::Pressed, false},
    {true, false, true, true, Look::Pressed, true},
    {true, true, false, false, Look::Pressed, false},
    {true, true, false, true, Look::Pressed, false},
    {true, true, true, false, Look::Pressed, false},
    {true, true, true, true, Look::Pressed, true},
};

// The picture of a look painted by the look painters themselves, over the normal look.
gdi::Surface LookPicture(std::int32_t theme, Look look, bool dots) {
    gdi::Surface s = Background(105, 33);
    gdi::Rect gradientRect;
    RepaintSteps steps;
    LookCanvas canvas(s, gradientRect, 5, DeviceScale(), steps);
    if (look != Look::Disabled) {
        PaintThemeLook(theme, Look::Normal, canvas);
    }
    PaintThemeLook(theme, look, canvas);
    if (dots) {
        PaintFocusDots(s);
    }
    return s;
}

TEST(LookSelectionTest, EveryStateOfEveryTheme) {
    for (const std::int32_t theme : {ThemeDarkGloss, ThemeBlueGlass, ThemeSilver}) {
        for (const bool enabled : {true, false}) {
            for (const StateCase& c : kStateCases) {
                SCOPED_TRACE(::testing::Message()
                             << "theme " << theme << " enabled " << enabled << " pressed "
                             << c.pressed << " over " << c.over << " focus " << c.focus
                             << " dotted " << c.dotted);
                ButtonFixture f(105, 33, theme);
                f.text.box_width = 0;
                f.button.SetFocusDottedRect(c.dotted ? BoolTrue : BoolFalse);
                f.Hover(c.over);
                f.Focus(c.focus);
                f.Press(c.pressed);
                if (!enabled) {
                    f.button.SetEnabled(BoolFalse);
                }
                const gdi::Surface& actual = f.Repaint();
                const Look look = enabled ? c.look : Look::Disabled;
                EXPECT_TRUE(SamePixels(actual, LookPicture(theme, look, enabled && c.dots)));
                ASSERT_EQ(f.text.printed.size(), 1u);
                EXPECT_EQ(f.text.printed[0].Colour,
                          enabled ? f.button.ForeColor() : f.button.CaptionDisableColor());
            }
        }
    }
}

// Any other theme keeps the region and the font but paints only the focus frame of a hovered
// button, whether it is focused, pressed or even disabled; no icon and no caption.
TEST(UnknownThemeTest, OnlyTheFocusFrameOfAHoveredButton) {
    for (const std::int32_t theme : {0, 4, -1}) {
        for (const bool over : {false, true}) {
            for (const bool dotted : {false, true}) {
                for (const bool enabled : {true, false}) {
                    SCOPED_TRACE(::testing::Message() << theme << over << dotted << enabled);
                    ButtonFixture f(105, 33, theme);
                    f.button.SetIcon(testing::MakePicture(16, 16, 0x00FF00));
                    f.button.SetFocusDottedRect(dotted ? BoolTrue : BoolFalse);
                    f.Hover(over);
                    f.Focus(true);
                    f.Press(true);
                    f.button.SetEnabled(enabled ? BoolTrue : BoolFalse);
                    const auto font = std::make_shared<gdi::Font>(gdi::Font{"Tahoma", 8.25});
                    f.button.SetFont(font);
                    f.Surface().SetFont(nullptr);
                    const gdi::Surface& actual = f.Repaint();

                    gdi::Surface expected = Background(105, 33);
                    if (over && dotted) {
                        PaintFocusDots(expected);
                    }
                    EXPECT_TRUE(SamePixels(actual, expected));
                    EXPECT_TRUE(f.text.printed.empty());
                    EXPECT_EQ(actual.Font(), font);
                    EXPECT_EQ(f.container.regions.back(),
                              gdi::CreateRoundRectRgn(0, 0, 105, 33, 4, 4));
                }
            }
        }
    }
}

// Without a font the surface keeps the one it has and everything else is painted.
TEST(RedrawFontTest, MissingFontKeepsTheSurfaceFont) {
    ButtonFixture f(100, 30, ThemeSilver);
    f.text.box_width = 0;
    f.button.SetFont(nullptr);
    const auto kept = std::make_shared<gdi::Font>(gdi::Font{"Arial", 10});
    f.Surface().SetFont(kept);
    const gdi::Surface& actual = f.Repaint();
    EXPECT_EQ(actual.Font(), kept);
    EXPECT_TRUE(SamePixels(actual, SilverPicture(kSilver[kNormal], 5)));
    EXPECT_EQ(f.text.printed.size(), 1u);
}

// Steps that cannot draw on a very small surface are skipped; the others still run.
TEST(SmallSurfaceTest, FailedStepsAreSkippedAndPaintingGoesOn) {
    {
        // Two pixels wide: the glow tiles are 0 wide and fail; the fills and caption remain.
        ButtonFixture f(2, 30, ThemeDarkGloss);
        const gdi::Surface& s = f.Repaint();
        EXPECT_EQ(s.Point(1, 0), kA1[kNormal]);
        EXPECT_EQ(s.Point(1, 15), kB1[kNormal]);
        for (int y = 20; y < 30; ++y) {
            EXPECT_EQ(s.Point(0, y), ButtonFixture::kBackground) << y;
        }
        EXPECT_EQ(f.text.printed.size(), 1u);
    }
    {
        // Three pixels high: the quadrants get height rnd(0.5) = 0 and draw nothing; the strips
        // and outline are drawn.
        ButtonFixture f(20, 3, ThemeSilver);
        f.text.box_width = 0;
        const gdi::Surface& s = f.Repaint();
        EXPECT_EQ(s.Point(0, 2), kSilver[kNormal].E1);
        EXPECT_EQ(s.Point(10, 2), kSilver[kNormal].E2);
        EXPECT_EQ(f.text.printed.size(), 1u);
    }
}

}  // namespace
}  // namespace tolvane::styler
