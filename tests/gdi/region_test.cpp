#include "gdi/region.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "gdi/round_rect.h"
#include "tests/gdi/picture.h"

namespace tolvane::gdi {
namespace {

using testing::Picture;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::int64_t PixelCount(const Region& region) {
    std::int64_t count = 0;
    for (const Region::Span& span : region.Spans()) {
        count += span.XEnd - span.XBegin;
    }
    return count;
}

TEST(RegionTest, SpansAreSortedMergedAndWithoutEmptyOnes) {
    const Region region({{1, 2, 2}, {0, 5, 7}, {0, 0, 3}, {0, 3, 5}, {2, 4, 1}, {1, 4, 6}});
    EXPECT_EQ(region.Spans(), (std::vector<Region::Span>{{0, 0, 7}, {1, 4, 6}}));
    EXPECT_EQ(region, Region({{0, 0, 7}, {1, 4, 6}}));
    EXPECT_TRUE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains(6, 0));
    EXPECT_FALSE(region.Contains(7, 0));
    EXPECT_FALSE(region.Contains(3, 1));
    EXPECT_TRUE(region.Contains(4, 1));
    EXPECT_FALSE(region.Contains(4, 2));
    EXPECT_TRUE(Region({{0, 3, 3}}).IsEmpty());
}

TEST(CreateRoundRectRgnTest, LeavesOutTheLastColumnAndRowEvenWithSquareCorners) {
    const Region region = CreateRoundRectRgn(0, 0, 6, 4, 0, 0);
    EXPECT_EQ(Picture(region, 6, 4),
              (std::vector<std::string>{"#####.", "#####.", "#####.", "......"}));
}

TEST(CreateRoundRectRgnTest, ButtonRegionCutsOnePixelPerCorner) {
    const Region region = CreateRoundRectRgn(0, 0, 105, 33, 4, 4);
    EXPECT_EQ(PixelCount(region), 104 * 32 - 4);
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{0, 0}, {103, 0}, {0, 31}, {103, 31}}) {
        EXPECT_FALSE(region.Contains(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(region.Contains(1, 0));
    EXPECT_TRUE(region.Contains(103, 1));
    EXPECT_FALSE(region.Contains(104, 5));
    EXPECT_FALSE(region.Contains(5, 32));
}

TEST(CreateRoundRectRgnTest, PixelsCutPerCornerFollowTheEllipseSize) {
    const std::vector<std::pair<int, int>> cuts = {{1, 0}, {2, 0}, {3, 1}, {4, 1},  {5, 1}, {6, 3},
                                                   {7, 3}, {8, 3}, {9, 5}, {10, 6}, {11, 6}};
    for (const auto& [ellipse, cut] : cuts) {
        const Region region = CreateRoundRectRgn(0, 0, 31, 21, ellipse, ellipse);
        EXPECT_EQ(PixelCount(region), 30 * 20 - 4 * cut) << "ellipse " << ellipse;
    }
    EXPECT_EQ(Picture(CreateRoundRectRgn(0, 0, 10, 10, 9, 9), 5, 4),
              (std::vector<std::string>{"...##", ".####", ".####", "#####"}));
    EXPECT_EQ(Picture(CreateRoundRectRgn(0, 0, 11, 11, 10, 10), 5, 4),
              (std::vector<std::string>{"...##", "..###", ".####", "#####"}));
}

TEST(CreateRoundRectRgnTest,
     PastTheBoxOfOnePixelTheOutlineIsTheOuterRingOfTheRegionOneSizeSmaller) {
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{
             {2, 2}, {3, 3}, {4, 4}, {5, 7}, {10, 6}, {33, 12}, {105, 33}}) {
        Surface outline(w, h, 0);
        outline.SetForeColor(1);
        RoundRect(outline, 0, 0, w - 1, h - 1, 5, 5);
        const Region region = CreateRoundRectRgn(0, 0, w, h, 4, 4);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                // The outline of a one-pixel box draws nothing; its region has the pixel.
                const bool ring = w > 2 && region.Contains(x, y) &&
                                  !(region.Contains(x - 1, y) && region.Contains(x + 1, y) &&
                                    region.Contains(x, y - 1) && region.Contains(x, y + 1));
                EXPECT_EQ(outline.Point(x, y) == 1, ring)
                    << w << "x" << h << " at " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(CreateRoundRectRgn(0, 0, 2, 2, 4, 4).Contains(0, 0));
}

// The walk of some tall ellipses narrower than 33 pixels stops before the ellipse's last row; the
// rows left keep the middle column, or two for an even width, as the tip of Zingl's ellipse.
TEST(CreateRoundRectRgnTest, TallNarrowEllipsesEndInTheirMiddleColumns) {
    EXPECT_EQ(Picture(CreateRoundRectRgn(0, 0, 4, 9, 3, 8), 4, 9),
              (std::vector<std::string>{".#..", ".#..", "###.", "###.", "###.", "###.", ".#..",
                                        ".#..", "...."}));
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 3, 5, 2, 4), CreateRoundRectRgn(0, 0, 3, 5, 0, 0));
}

// Taking off the last column and row leaves a box of one column nothing, and turns a box of no
// width into the column left of it (of no height, the row above it).
TEST(CreateRoundRectRgnTest, InvertedBoxesAndNegativeEllipsesAreNormalised) {
    const Region straight = CreateRoundRectRgn(2, 3, 12, 11, 6, 6);
    EXPECT_EQ(CreateRoundRectRgn(12, 11, 2, 3, 6, 6), straight);
    EXPECT_EQ(CreateRoundRectRgn(2, 3, 12, 11, -6, -6), straight);
    EXPECT_TRUE(CreateRoundRectRgn(0, 0, 1, 1, 0, 0).IsEmpty());
    EXPECT_TRUE(CreateRoundRectRgn(5, 5, 6, 9, 2, 2).IsEmpty());
    EXPECT_EQ(CreateRoundRectRgn(5, 5, 5, 9, 2, 2), Region({{5, 4, 5}, {6, 4, 5}, {7, 4, 5}}));
    EXPECT_EQ(CreateRoundRectRgn(5, 5, 8, 5, 2, 2), Region({{4, 5, 7}}));
}

TEST(CreateRoundRectRgnTest, ExtremeArgumentsAreClampedToASaneBox) {
    const Region region = CreateRoundRectRgn(kMin, kMin, kMax, kMax, kMax, kMin);
    EXPECT_EQ(region.Spans().size(), 65535u);
    EXPECT_TRUE(region.Contains(0, 0));
    EXPECT_FALSE(region.Contains(-32768, -32768));
    // A box of no width out there keeps the column left of where it is clamped to.
    EXPECT_EQ(CreateRoundRectRgn(kMax, 0, kMax, 2, 0, 0), Region({{0, 32767, 32768}}));
}

}  // namespace
}  // namespace tolvane::gdi
