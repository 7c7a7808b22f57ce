#include "gdi/round_rect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/gdi/picture.h"

namespace tolvane::gdi {
namespace {

using testing::Picture;

constexpr Colour kPen = 0x00123456;
constexpr Colour kUntouched = 0x00ABCDEF;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

Surface Outline(int width, int height, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom, std::int32_t ellipse) {
    Surface surface(width, height, kUntouched);
    surface.SetForeColor(kPen);
    RoundRect(surface, left, top, right, bottom, ellipse, ellipse);
    return surface;
}

struct CornerCase {
    int Ellipse;
    std::vector<std::string> TopLeft;  // the 4 x 4 corner of a 14 x 12 outline
};

class RoundRectCornerTest : public ::testing::TestWithParam<CornerCase> {};

TEST_P(RoundRectCornerTest, DrawsTheCornerInAllFourCornersAndAPlainBorderBetween) {
    const CornerCase& c = GetParam();
    const auto picture = Picture(Outline(14, 12, 0, 0, 14, 12, c.Ellipse), kPen);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 14; ++x) {
            // Mirror every pixel into the top-left quadrant.
            const int cx = std::min(x, 13 - x);
            const int cy = std::min(y, 11 - y);
            const char expected = cx < 4 && cy < 4     ? c.TopLeft[cy][cx]
                                  : cx == 0 || cy == 0 ? '#'
                                                       : '.';
            EXPECT_EQ(picture[y][x], expected)
                << "ellipse " << c.Ellipse << " at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SmallEllipses, RoundRectCornerTest,
                         ::testing::Values(CornerCase{0, {"####", "#...", "#...", "#..."}},
                                           CornerCase{1, {"####", "#...", "#...", "#..."}},
                                           CornerCase{2, {"####", "#...", "#...", "#..."}},
                                           CornerCase{4, {".###", "#...", "#...", "#..."}},
                                           CornerCase{5, {".###", "#...", "#...", "#..."}},
                                           CornerCase{6, {"..##", ".#..", "#...", "#..."}},
                                           CornerCase{8, {"..##", ".#..", "#...", "#..."}},
                                           CornerCase{9, {"...#", ".##.", ".#..", "#..."}},
                                           CornerCase{10, {"...#", "..#.", ".#..", "#..."}},
                                           CornerCase{11, {"...#", "..#.", ".#..", "#..."}}),
                         [](const ::testing::TestParamInfo<CornerCase>& info) {
                             return "Ellipse" + std::to_string(info.param.Ellipse);
                         });

TEST(RoundRectTest, ButtonOutlineLeavesOutTheFourCornerPixels) {
    const Surface surface = Outline(100, 30, 0, 0, 99, 29, 5);
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kPen), 248);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool column = x == 0 || x == 98;
            const bool row = y == 0 || y == 28;
            const bool pen = ((column && y <= 28) || (row && x <= 98)) && !(column && row);
            EXPECT_EQ(surface.Point(x, y) == kPen, pen) << x << "," << y;
        }
    }
}

// A box of one pixel draws nothing either: every line of its outline has no length.
TEST(RoundRectTest, InvertedBoxesAreNormalisedAndEmptyOnesDrawNothing) {
    EXPECT_EQ(Picture(Outline(14, 12, 13, 11, 0, 0, 8), kPen),
              Picture(Outline(14, 12, 0, 0, 13, 11, 8), kPen));
    EXPECT_EQ(std::ranges::count(Outline(6, 6, 3, 0, 3, 5, 4).Pixels(), kPen), 0);
    EXPECT_EQ(std::ranges::count(Outline(6, 6, 0, 2, 5, 2, 4).Pixels(), kPen), 0);
    EXPECT_EQ(std::ranges::count(Outline(6, 6, 3, 2, 2, 3, 4).Pixels(), kPen), 0);
    EXPECT_EQ(Picture(Outline(4, 1, 1, 0, 3, 1, 4), kPen), (std::vector<std::string>{".##."}));
}

// The corner walk of a tall narrow ellipse stops before the ellipse's last row, and the top and
// bottom sides join the corners where it stopped, short of the box's first and last rows.
TEST(RoundRectTest, TallNarrowEllipsesStopShortOfTheTopAndBottomRows) {
    Surface surface(6, 14, kUntouched);
    surface.SetForeColor(kPen);
    RoundRect(surface, 1, 1, 5, 13, 3, 8);
    EXPECT_EQ(Picture(surface, kPen),
              (std::vector<std::string>{"......", "......", "..##..", ".#..#.", ".#..#.", ".#..#.",
                                        ".#..#.", ".#..#.", ".#..#.", ".#..#.", ".#..#.", "..##..",
                                        "......", "......"}));
}

TEST(RoundRectTest, LargeEllipsesAreClosedSymmetricQuarterEllipses) {
    const auto picture = Picture(Outline(41, 41, 0, 0, 41, 41, 40), kPen);
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 41; ++x) {
            EXPECT_EQ(picture[y][x], picture[x][y]) << x << "," << y;
            EXPECT_EQ(picture[y][x], picture[y][40 - x]) << x << "," << y;
        }
    }
    // A closed curve without gaps: every pen pixel has at least two pen pixels around it.
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 41; ++x) {
            int neighbours = 0;
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, 40); ++ny) {
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, 40); ++nx) {
                    neighbours += (nx != x || ny != y) && picture[ny][nx] == '#';
                }
            }
            EXPECT_TRUE(picture[y][x] == '.' || neighbours >= 2) << x << "," << y;
        }
    }
}

TEST(RoundRectTest, ClippingShowsTheVisiblePartOfTheSameOutline) {
    const Surface whole = Outline(40, 40, 10, 10, 21, 18, 8);
    // The part surface shows the whole one from (10 + dx, 10 + dy) on.
    const std::vector<std::pair<int, int>> offsets = {{-3, -2}, {5, 4}, {-10, 3}, {9, -9}};
    for (const auto& [dx, dy] : offsets) {
        const Surface part = Outline(10, 8, -dx, -dy, 11 - dx, 8 - dy, 8);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                EXPECT_EQ(part.Point(x, y), whole.Point(x + 10 + dx, y + 10 + dy))
                    << dx << "," << dy << " at " << x << "," << y;
            }
        }
    }
}

TEST(RoundRectTest, ExtremeArgumentsDrawOnlyWhatLiesOnTheSurface) {
    EXPECT_EQ(std::ranges::count(Outline(10, 10, kMin, kMin, kMax, kMax, kMax).Pixels(), kPen), 0);
    EXPECT_EQ(std::ranges::count(Outline(10, 10, kMax, kMax, kMin, kMin, kMin).Pixels(), kPen), 0);
    EXPECT_EQ(Picture(Outline(4, 5, -5, 1, kMax, 4, 4), kPen),
              (std::vector<std::string>{"....", "####", "....", "####", "...."}));
}

}  // namespace
}  // namespace tolvane::gdi
