#include "gdi/gradient_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace tolvane::gdi {
namespace {

constexpr Colour kUntouched = 0x00ABCDEF;
constexpr std::uint16_t kFull = 0xFF00;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

bool Fill(Surface& surface, TriVertex a, TriVertex b, GradientFillMode mode) {
    const TriVertex vertices[] = {a, b};
    const GradientMesh mesh[] = {{0, 1}};
    return GradientFill(surface, vertices, mesh, mode);
}

// The red channel of each pixel of a row, -1 where the fill did not reach.
std::vector<int> Reds(const Surface& surface, int y) {
    std::vector<int> reds;
    for (int x = 0; x < surface.Width(); ++x) {
        const Colour c = surface.Point(x, y);
        reds.push_back(c == kUntouched ? -1 : RedByte(c));
    }
    return reds;
}

TEST(GradientFillTest, BlackToWhiteTruncatesAndStopsBeforeTheRightAndBottomEdges) {
    Surface surface(258, 2, kUntouched);
    ASSERT_TRUE(Fill(surface, {0, 0, 0, 0, 0, 0}, {256, 1, kFull, kFull, kFull, 0},
                     GradientFillMode::Horizontal));
    for (int x = 0; x < 256; ++x) {
        const auto grey = static_cast<std::uint8_t>(x * 255 / 256);  // 0, 0, 1, 2, ..., 254
        EXPECT_EQ(surface.Point(x, 0), Rgb(grey, grey, grey)) << x;
    }
    EXPECT_EQ(surface.Point(256, 0), kUntouched);
    EXPECT_EQ(surface.Point(0, 1), kUntouched);
}

TEST(GradientFillTest, EveryOffsetFollowsTheTruncatingRuleInBothModes) {
    const std::pair<std::uint16_t, std::uint16_t> ends[] = {
        {0, kFull}, {kFull, 0}, {0x1234, 0xFFFF}, {0xFFFF, 0}, {0x8000, 0x8000}, {0x0100, 0x0200}};
    for (const int length : {1, 2, 3, 7, 255, 1000}) {
        for (const auto& [c0, c1] : ends) {
            Surface row(length, 1, kUntouched);
            Surface column(1, length, kUntouched);
            Fill(row, {0, 0, c0, 0, 0, 0}, {length, 1, c1, 0, 0, 0}, GradientFillMode::Horizontal);
            Fill(column, {0, 0, 0, 0, c0, 0}, {1, length, 0, 0, c1, 0}, GradientFillMode::Vertical);
            for (int pos = 0; pos < length; ++pos) {
                const auto value = static_cast<std::uint8_t>(
                    (std::uint64_t{c0} * (length - pos) + std::uint64_t{c1} * pos) / length / 256);
                ASSERT_EQ(row.Point(pos, 0), Rgb(value, 0, 0)) << c0 << "->" << c1 << " @" << pos;
                ASSERT_EQ(column.Point(0, pos), Rgb(0, 0, value))
                    << c0 << "->" << c1 << " @" << pos;
            }
        }
    }
}

TEST(GradientFillTest, VerticesInAnyOrderKeepTheirOwnColoursAndRowsOrColumnsAreUniform) {
    const TriVertex black = {0, 0, 0, 0, 0, 0};
    const TriVertex red = {4, 3, kFull, 0, 0, 0};
    Surface horizontal(4, 3, kUntouched);
    Fill(horizontal, red, black, GradientFillMode::Horizontal);
    // Upper-right and lower-left corners give the same rectangle.
    Fill(horizontal, {4, 0, kFull, 0, 0, 0}, {0, 3, 0, 0, 0, 0}, GradientFillMode::Horizontal);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(Reds(horizontal, y), (std::vector<int>{0, 63, 127, 191}));
    }
    Surface vertical(2, 4, kUntouched);
    Fill(vertical, {2, 3, 0, 0, 0, 0}, {0, 0, kFull, 0, 0, 0}, GradientFillMode::Vertical);
    EXPECT_EQ(Reds(vertical, 0), (std::vector<int>{255, 255}));
    EXPECT_EQ(Reds(vertical, 2), (std::vector<int>{85, 85}));
    EXPECT_EQ(Reds(vertical, 3), (std::vector<int>{-1, -1}));
}

// The ramp is computed in 32-bit unsigned arithmetic, as the Windows calls compute it: past 65,537
// pixels the products wrap.
TEST(GradientFillTest, ClippingDoesNotShiftTheRampAndLongRampsWrapAsOnWindows) {
    Surface surface(4, 3, kUntouched);
    Fill(surface, {-2, -5, 0, 0, 0, 0}, {6, 10, kFull, 0, 0, 0}, GradientFillMode::Horizontal);
    EXPECT_EQ(Reds(surface, 2), (std::vector<int>{63, 95, 127, 159}));  // 255 * (x + 2) / 8
    // Pixel 0 of 100,000: 0xFF00 * 100,000 wraps to 2,233,032,704, which reads 87, not 255.
    Fill(surface, {0, 0, kFull, 0, 0, 0}, {100'000, 1, 0, 0, 0, 0}, GradientFillMode::Horizontal);
    EXPECT_EQ(Reds(surface, 0), std::vector<int>(4, 87));
    // Row 0 is offset 2^31 of 2^32 - 1: 0xFF00 * 2^31 wraps to 0.
    Fill(surface, {kMin, kMin, 0, 0, 0, 0}, {kMax, kMax, kFull, 0, 0, 0},
         GradientFillMode::Vertical);
    EXPECT_EQ(Reds(surface, 0), std::vector<int>(4, 0));
}

TEST(GradientFillTest, DrawsNothingOffTheSurfaceForEmptyRectanglesOrBadArguments) {
    Surface surface(4, 3, kUntouched);
    for (const auto mode : {GradientFillMode::Horizontal, GradientFillMode::Vertical}) {
        EXPECT_TRUE(Fill(surface, {4, 0, 0, 0, 0, 0}, {kMax, 3, kFull, 0, 0, 0}, mode));
        EXPECT_TRUE(Fill(surface, {kMin, 0, 0, 0, 0, 0}, {0, 3, kFull, 0, 0, 0}, mode));
        EXPECT_TRUE(Fill(surface, {1, 1, 0, 0, 0, 0}, {1, 3, kFull, 0, 0, 0}, mode));
        EXPECT_TRUE(Fill(surface, {0, 2, 0, 0, 0, 0}, {4, 2, kFull, 0, 0, 0}, mode));
    }
    const TriVertex vertices[] = {{0, 0, 0, 0, 0, 0}, {4, 3, kFull, 0, 0, 0}};
    const GradientMesh badIndex[] = {{0, 1}, {0, 2}};
    const GradientMesh mesh[] = {{0, 1}};
    EXPECT_FALSE(GradientFill(surface, vertices, badIndex, GradientFillMode::Horizontal));
    EXPECT_FALSE(GradientFill(surface, vertices, mesh, GradientFillMode::Triangle));
    EXPECT_FALSE(GradientFill(surface, vertices, mesh, static_cast<GradientFillMode>(7)));
    EXPECT_FALSE(GradientFill(surface, vertices, {}, GradientFillMode::Horizontal));
    EXPECT_FALSE(GradientFill(surface, {}, badIndex, GradientFillMode::Vertical));
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kUntouched), 12);
}

}  // namespace
}  // namespace tolvane::gdi
