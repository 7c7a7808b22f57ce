#include "stylerbutton/core/primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/overflow_error.h"
#include "base/rounding.h"

namespace tolvane::styler {
namespace {

using gdi::Colour;
using gdi::Rgb;

constexpr Colour kUntouched = 0x00ABCDEF;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

ColourTriple Triple(Colour c) {
    return {gdi::BlueByte(c), gdi::GreenByte(c), gdi::RedByte(c)};
}

std::vector<Colour> Pixels(const gdi::Surface& surface) {
    return {surface.Pixels().begin(), surface.Pixels().end()};
}

// Entry i of a ramp computed without the primitives: float step, double multiply-add and the
// shared half-to-even rounding.
std::uint8_t ExpectedChannel(int start, int end, std::int64_t count, std::int64_t i) {
    const float step =
        start == end ? 0.0f : static_cast<float>(double(end - start) / double(count));
    return static_cast<std::uint8_t>(base::RoundHalfEven(double(step) * double(i) + start));
}

// The whole-area four-corner gradient built from BuildColourRamp, row by row.
std::vector<std::vector<Colour>> FourColourReference(int width, int height, const Colour (&c)[4]) {
    std::vector<ColourTriple> left, right, row;
    BuildColourRamp(left, height, Triple(c[0]), Triple(c[2]));
    BuildColourRamp(right, height, Triple(c[1]), Triple(c[3]));
    std::vector<std::vector<Colour>> pixels(height);
    for (int y = 0; y < height; ++y) {
        BuildColourRamp(row, width, left[y], right[y]);
        for (int x = 0; x < width; ++x) {
            pixels[y].push_back(Rgb(row[x].Red, row[x].Green, row[x].Blue));
        }
    }
    return pixels;
}

TEST(ColourChannelTest, ChannelsStepsAndSixteenBitPatterns) {
    EXPECT_EQ(RedOf(0x80123456), 0x56);
    EXPECT_EQ(GreenOf(0x80123456), 0x34);
    EXPECT_EQ(BlueOf(0x80123456), 0x12);
    const std::pair<std::int32_t, std::int16_t> patterns[] = {
        {-32768, -32768}, {32767, 32767}, {32768, -32768}, {65280, -256}, {65535, -1}};
    for (const auto& [value, expected] : patterns) {
        EXPECT_EQ(ToColour16(value), expected) << value;
    }
    EXPECT_THROW(ToColour16(65536), base::OverflowError);
    EXPECT_THROW(ToColour16(-32769), base::OverflowError);
    EXPECT_EQ(GradientStep(0, 5), 0.0f);
    EXPECT_EQ(GradientStep(5, 0), 0.0f);
    EXPECT_EQ(GradientStep(-255, 2), -127.5f);
    EXPECT_EQ(GradientStep(1, 3), static_cast<float>(1.0 / 3.0));
}

TEST(BuildColourRampTest, ReplacesTheRampByCountPlusOneEntriesFromStartToEnd) {
    std::vector<ColourTriple> ramp(9);
    BuildColourRamp(ramp, 4, Triple(Rgb(0, 255, 10)), Triple(Rgb(255, 0, 10)));
    EXPECT_EQ(ramp, (std::vector<ColourTriple>{Triple(Rgb(0, 255, 10)), Triple(Rgb(64, 191, 10)),
                                               Triple(Rgb(128, 128, 10)), Triple(Rgb(191, 64, 10)),
                                               Triple(Rgb(255, 0, 10))}));
    BuildColourRamp(ramp, 0, Triple(0x010203), Triple(0xFFFFFF));
    EXPECT_EQ(ramp, std::vector<ColourTriple>{Triple(0x010203)});
    EXPECT_THROW(BuildColourRamp(ramp, -1, {}, {}), GradientSizeError);
    EXPECT_THROW(BuildColourRamp(ramp, kMaxRampCount + 1, {}, {}), GradientSizeError);
}

TEST(BuildColourRampTest, MatchesTheFloatStepAndHalfToEvenRoundingForManyRamps) {
    const std::pair<int, int> ends[] = {{0, 255}, {255, 0}, {3, 200}, {17, 18}, {100, 99}};
    std::vector<ColourTriple> ramp;
    for (int count = 1; count <= 600; ++count) {
        for (const auto& [from, to] : ends) {
            BuildColourRamp(ramp, count, Triple(Rgb(0, 0, from)), Triple(Rgb(0, 0, to)));
            for (int i = 0; i <= count; ++i) {
                ASSERT_EQ(ramp[i].Blue, ExpectedChannel(from, to, count, i))
                    << from << "->" << to << " count " << count << " entry " << i;
            }
        }
    }
}

TEST(DrawGradientFourColourTest, SmallAreasStopOneStepShortOfTheFarCorners) {
    gdi::Surface solid(3, 2, kUntouched);
    DrawGradientFourColour(solid, 0, 0, 3, 2, 0x336699, 0x336699, 0x336699, 0x336699);
    EXPECT_EQ(Pixels(solid), std::vector<Colour>(6, 0x336699));
    gdi::Surface line(4, 1, kUntouched);
    DrawGradientFourColour(line, 0, 0, 4, 1, 0, 0xFFFFFF, 0, 0xFFFFFF);
    const std::vector<Colour> greys = {0, 0x404040, 0x808080, 0xBFBFBF};  // 0, 64, 128, 191
    EXPECT_EQ(Pixels(line), greys);
    gdi::Surface column(1, 2, kUntouched);
    DrawGradientFourColour(column, 0, 0, 1, 2, 0, 0xFFFFFF, 255, 0x00FF00);
    EXPECT_EQ(Pixels(column), (std::vector<Colour>{0, Rgb(128, 0, 0)}));
    gdi::Surface system(2, 2, kUntouched);
    DrawGradientFourColour(system, 0, 0, 2, 2, 0x80000005, 0x80000005, 0xFF000005, 0x12000005);
    EXPECT_EQ(Pixels(system), std::vector<Colour>(4, Rgb(5, 0, 0)));
    // The same half-to-even results whatever the floating-point rounding mode.
    const int defaultMode = std::fegetround();
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        DrawGradientFourColour(line, 0, 0, 4, 1, 0, 0xFFFFFF, 0, 0xFFFFFF);
        std::fesetround(defaultMode);
        EXPECT_EQ(Pixels(line), greys) << "mode " << mode;
    }
}

TEST(DrawGradientFourColourTest, RoundsTheEdgesFirstThenEachRowAndClipsWithoutShifting) {
    const Colour corners[] = {0x102030, 0xF0E0D0, 0x00FF7F, 0x7F00FF};
    const auto expected = FourColourReference(7, 5, corners);
    for (const auto& [left, top] : std::vector<std::pair<int, int>>{{1, 2}, {-3, -2}}) {
        gdi::Surface surface(9, 8, kUntouched);
        DrawGradientFourColour(surface, left, top, 7, 5, corners[0], corners[1], corners[2],
                               corners[3]);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 9; ++x) {
                const int ax = x - left, ay = y - top;
                const bool inside = ax >= 0 && ax < 7 && ay >= 0 && ay < 5;
                EXPECT_EQ(surface.Point(x, y), inside ? expected[ay][ax] : kUntouched)
                    << left << "," << top << " at " << x << "," << y;
            }
        }
    }
}

TEST(DrawGradientFourColourTest, DrawsTheVisiblePartOfAHugeAreaWithItsTrueValues) {
    // The surface shows entries 2^30 - 2 .. 2^30 + 2 of rows 2^31 - 1 pixels long.
    constexpr std::int32_t kLeft = -(1 << 30) + 2;
    gdi::Surface surface(5, 2, kUntouched);
    DrawGradientFourColour(surface, kLeft, 0, kMax, 2, 0, 0xFFFFFF, 0x0000FF, 0xFFFFFF);
    for (int x = 0; x < 5; ++x) {
        const std::int64_t i = x - std::int64_t{kLeft};
        const std::uint8_t top = ExpectedChannel(0, 255, kMax, i);
        EXPECT_EQ(surface.Point(x, 0), Rgb(top, top, top)) << x;
        // The left edge's second entry is red 128 (127.5 to even).
        EXPECT_EQ(surface.Point(x, 1), Rgb(ExpectedChannel(128, 255, kMax, i), top, top)) << x;
    }
}

TEST(DrawGradientFourColourTest, HeightZeroDrawsNothingAndBadSizesFailBeforeDrawing) {
    gdi::Surface surface(4, 4, kUntouched);
    EXPECT_NO_THROW(DrawGradientFourColour(surface, 0, 0, 4, 0, 0, 0, 0, 0));
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{0, 4}, {-3, 4}, {4, -1}, {0, 0}}) {
        EXPECT_THROW(DrawGradientFourColour(surface, 0, 0, width, height, 0, 0, 0, 0),
                     GradientSizeError)
            << width << "x" << height;
    }
    EXPECT_EQ(Pixels(surface), std::vector<Colour>(16, kUntouched));
    try {
        DrawGradientFourColour(surface, 0, 0, -3, 4, 0, 0, 0, 0);
    } catch (const GradientSizeError& error) {
        EXPECT_NE(std::string(error.what()).find("Width -3"), std::string::npos) << error.what();
    }
}

TEST(FillGradientTest, FillsTheStoredRectangleByRowsOrByColumns) {
    gdi::Rect rect;
    SetGradientRect(rect, 3, 3, 96, 24);
    gdi::Surface vertical(100, 30, kUntouched);
    FillGradient(vertical, rect, 1, 0x80000005, 0x00FF8000);
    gdi::Surface horizontal(100, 30, kUntouched);
    FillGradient(horizontal, rect, 0, 0, 0xFFFFFF);
    for (int y = 0; y < 30; ++y) {
        const auto row = vertical.Row(y);
        EXPECT_EQ(std::set<Colour>(row.begin() + 3, row.begin() + 96).size(), 1u) << y;
        EXPECT_EQ(row[3] == kUntouched, y < 3 || y > 23) << y;
        EXPECT_EQ(row[2], kUntouched);
        EXPECT_EQ(row[96], kUntouched);
        EXPECT_EQ(horizontal.Row(y)[50] == kUntouched, y < 3 || y > 23) << y;
    }
    EXPECT_EQ(vertical.Point(3, 3), Rgb(5, 0, 0));
    // Row 23 is offset 20 of 21: (c0 * 1 + c1 * 20) / 21 / 256 per channel.
    EXPECT_EQ(vertical.Point(95, 23),
              Rgb(1280 / 21 / 256, 32768 * 20 / 21 / 256, 65280 * 20 / 21 / 256));
    for (int x = 3; x < 96; ++x) {
        EXPECT_EQ(horizontal.Point(x, 3), horizontal.Point(x, 23)) << x;
    }
    EXPECT_EQ(horizontal.Point(3, 10), 0u);
    EXPECT_EQ(std::ranges::count(horizontal.Pixels(), kUntouched), 100 * 30 - 93 * 21);
}

TEST(FillGradientTest, OtherModesDrawNothing) {
    gdi::Rect rect;
    SetGradientRect(rect, 0, 0, 4, 4);
    gdi::Surface surface(4, 4, kUntouched);
    FillGradient(surface, rect, 2, 0, 0xFFFFFF);
    FillGradient(surface, rect, -1, 0, 0xFFFFFF);
    EXPECT_EQ(Pixels(surface), std::vector<Colour>(16, kUntouched));
}

TEST(PaintFocusDotsTest, DrawsTheEighteenDotsOfATwentyByTenSurface) {
    gdi::Surface surface(20, 10, kUntouched);
    PaintFocusDots(surface);
    std::set<std::pair<int, int>> expected = {{2, 4}, {2, 6}, {16, 4}, {16, 6}};
    for (int x = 3; x <= 15; x += 2) {
        expected.insert({x, 2});
        expected.insert({x, 6});
    }
    ASSERT_EQ(expected.size(), 18u);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(surface.Point(x, y), expected.contains({x, y}) ? 0u : kUntouched)
                << x << "," << y;
        }
    }
}

TEST(PaintFocusDotsTest, NarrowOrLowSurfacesLoseTheirTopBottomOrSideDots) {
    // {width, height, dots}: below 8 pixels wide no top or bottom dots, below 8 high no side dots.
    const int cases[][3] = {{7, 10, 4}, {20, 7, 14}, {7, 7, 0}, {8, 8, 4}, {0, 0, 0}, {1, 1, 0}};
    for (const auto& [width, height, dots] : cases) {
        gdi::Surface surface(width, height, kUntouched);
        PaintFocusDots(surface);
        EXPECT_EQ(std::ranges::count(surface.Pixels(), Colour{0}), dots) << width << "x" << height;
    }
}

}  // namespace
}  // namespace tolvane::styler
