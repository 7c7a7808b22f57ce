#include "gdi/transparent_blt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace tolvane::gdi {
namespace {

constexpr Colour kMagenta = 0x00FF00FF;
constexpr Colour kBackground = 0x00101010;

// A 3 x 2 icon: magenta corners, one pixel a step away from magenta, and plain colours.
Surface Icon() {
    Surface icon(3, 2, 0);
    const Colour pixels[2][3] = {{kMagenta, 0x00FF00FE, 0x000000FF},
                                 {0x0000FF00, 0x00FF0000, kMagenta}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            icon.PSet(x, y, pixels[y][x]);
        }
    }
    return icon;
}

TEST(TransparentBltTest, CopiesEveryPixelExceptTheExactTransparentColour) {
    Surface dest(5, 4, kBackground);
    const Surface icon = Icon();
    ASSERT_TRUE(TransparentBlt(dest, 1, 1, 3, 2, icon, 0, 0, 3, 2, kMagenta));
    EXPECT_EQ(dest.Point(1, 1), kBackground);
    EXPECT_EQ(dest.Point(2, 1), 0x00FF00FEu);
    EXPECT_EQ(dest.Point(3, 1), 0x000000FFu);
    EXPECT_EQ(dest.Point(1, 2), 0x0000FF00u);
    EXPECT_EQ(dest.Point(2, 2), 0x00FF0000u);
    EXPECT_EQ(dest.Point(3, 2), kBackground);
    EXPECT_EQ(std::ranges::count(dest.Pixels(), kBackground), 20 - 4);
    // The top byte of the transparent colour is not compared.
    Surface again(5, 4, kBackground);
    TransparentBlt(again, 1, 1, 3, 2, icon, 0, 0, 3, 2, 0x80FF00FF);
    EXPECT_TRUE(std::ranges::equal(again.Pixels(), dest.Pixels()));
}

TEST(TransparentBltTest, ClipsToTheDestinationAndReadsBlackPastTheSource) {
    const Surface icon = Icon();
    Surface dest(2, 2, kBackground);
    // Hanging off the top-left of the destination: icon pixel (x, y) lands on (x - 2, y - 1).
    ASSERT_TRUE(TransparentBlt(dest, -2, -1, 3, 2, icon, 0, 0, 3, 2, 0));
    EXPECT_EQ(dest.Point(0, 0), kMagenta);
    EXPECT_EQ(dest.Point(1, 0), kBackground);
    // A block reaching past the icon is black there, as the Windows call's copy of the block is:
    // left out when black is the transparent colour, drawn otherwise.
    Surface partly(4, 3, kBackground);
    ASSERT_TRUE(TransparentBlt(partly, 0, 0, 4, 3, icon, 1, -1, 4, 3, 0));
    EXPECT_EQ(partly.Point(0, 1), 0x00FF00FEu);
    EXPECT_EQ(partly.Point(1, 2), kMagenta);
    EXPECT_EQ(std::ranges::count(partly.Pixels(), kBackground), 12 - 4);
    ASSERT_TRUE(TransparentBlt(partly, 0, 0, 4, 3, icon, 1, -1, 4, 3, kMagenta));
    EXPECT_EQ(std::ranges::count(partly.Pixels(), Colour{0}), 12 - 4);
    EXPECT_EQ(partly.Point(1, 2), kMagenta);  // as the first copy left it
}

TEST(TransparentBltTest, RefusesStretchingAndNegativeSizesAndSurvivesExtremes) {
    const Surface icon = Icon();
    Surface dest(4, 4, kBackground);
    EXPECT_FALSE(TransparentBlt(dest, 0, 0, 6, 4, icon, 0, 0, 3, 2, kMagenta));
    EXPECT_FALSE(TransparentBlt(dest, 0, 0, -3, 2, icon, 0, 0, -3, 2, kMagenta));
    EXPECT_TRUE(TransparentBlt(dest, 0, 0, 0, 0, icon, 0, 0, 0, 0, kMagenta));
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_TRUE(TransparentBlt(dest, kMax, kMax, kMax, kMax, icon, 0, 0, kMax, kMax, 0));
    EXPECT_TRUE(TransparentBlt(dest, kMin, kMin, kMax, kMax, icon, kMin, kMin, kMax, kMax, 0));
    EXPECT_TRUE(TransparentBlt(dest, 0, 0, kMax, kMax, icon, kMax, kMax, kMax, kMax, 0));
    EXPECT_EQ(std::ranges::count(dest.Pixels(), kBackground), 16);
}

TEST(TransparentBltTest, CopiesWithinOneSurfaceFromTheOriginalPixels) {
    Surface surface(4, 1, 0);
    for (int x = 0; x < 4; ++x) {
        surface.PSet(x, 0, static_cast<Colour>(x + 1));
    }
    ASSERT_TRUE(TransparentBlt(surface, 1, 0, 3, 1, surface, 0, 0, 3, 1, 99));
    EXPECT_EQ(std::vector<Colour>(surface.Pixels().begin(), surface.Pixels().end()),
              (std::vector<Colour>{1, 1, 2, 3}));
}

}  // namespace
}  // namespace tolvane::gdi
