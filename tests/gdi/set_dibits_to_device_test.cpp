#include "gdi/set_dibits_to_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace tolvane::gdi {
namespace {

constexpr Colour kUntouched = 0x00ABCDEF;

BitmapInfo Header(std::int32_t width, std::int32_t height) {
    BitmapInfo info;
    info.Header.Width = width;
    info.Header.Height = height;
    return info;
}

// A 24-bit bitmap whose pixel x of stored row r (0 = bottom) has red x + 1, green r + 1 and
// blue 7; every padding byte is 0xEE.
std::vector<std::uint8_t> Bits(int width, int rows) {
    const std::size_t stride = DibStride(width, 24);
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(rows), 0xEE);
    for (int row = 0; row < rows; ++row) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = bits.data() + static_cast<std::size_t>(row) * stride + 3 * x;
            pixel[0] = 7;
            pixel[1] = static_cast<std::uint8_t>(row + 1);
            pixel[2] = static_cast<std::uint8_t>(x + 1);
        }
    }
    return bits;
}

TEST(SetDIBitsToDeviceTest, CopiesAPaddedScanLineUnchangedToTheDestinationPoint) {
    EXPECT_EQ(DibStride(5, 24), 16u);
    Surface surface(8, 3, kUntouched);
    EXPECT_EQ(SetDIBitsToDevice(surface, 2, 1, 5, 1, 0, 0, 0, 1, Bits(5, 1), Header(5, 1),
                                DibColours::Rgb),
              1);
    for (int x = 0; x < 8; ++x) {
        const bool inside = x >= 2 && x < 7;
        EXPECT_EQ(surface.Point(x, 1),
                  inside ? Rgb(static_cast<std::uint8_t>(x - 1), 1, 7) : kUntouched);
    }
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kUntouched), 24 - 5);
}

TEST(SetDIBitsToDeviceTest, ABottomUpBitmapLandsUprightAndItsOriginIsTheLowerLeft) {
    Surface surface(2, 3, kUntouched);
    SetDIBitsToDevice(surface, 0, 0, 2, 3, 0, 0, 0, 3, Bits(2, 3), Header(2, 3), DibColours::Rgb);
    EXPECT_EQ(surface.Point(1, 0), Rgb(2, 3, 7));  // the last stored row is the top row
    EXPECT_EQ(surface.Point(0, 2), Rgb(1, 1, 7));
    // A 1 x 1 block from column 1 of row 1 counted from the bottom.
    SetDIBitsToDevice(surface, 0, 0, 1, 1, 1, 1, 0, 3, Bits(2, 3), Header(2, 3), DibColours::Rgb);
    EXPECT_EQ(surface.Point(0, 0), Rgb(2, 2, 7));
}

TEST(SetDIBitsToDeviceTest, ClipsToTheSurfaceWithoutShiftingPixelsWhateverTheArguments) {
    Surface surface(3, 2, kUntouched);
    const auto bits = Bits(5, 1);
    SetDIBitsToDevice(surface, -2, 1, 5, 1, 0, 0, 0, 1, bits, Header(5, 1), DibColours::Rgb);
    EXPECT_EQ(surface.Point(0, 1), Rgb(3, 1, 7));
    EXPECT_EQ(surface.Point(2, 1), Rgb(5, 1, 7));
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::uint32_t kHuge = std::numeric_limits<std::uint32_t>::max();
    SetDIBitsToDevice(surface, kMax, 0, kHuge, kHuge, kMin, kMin, kHuge, 1, bits, Header(5, 1),
                      DibColours::Rgb);
    SetDIBitsToDevice(surface, kMin, kMin, kHuge, kHuge, kMax, kMax, 0, 1, bits, Header(5, 1),
                      DibColours::Rgb);
    SetDIBitsToDevice(surface, 0, 3, 5, 1, 0, 0, 0, 1, bits, Header(5, 1), DibColours::Rgb);
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kUntouched), 3);
}

TEST(SetDIBitsToDeviceTest, TakesNoLineWhenTheSourceRectangleMissesTheBitmap) {
    Surface surface(8, 3, kUntouched);
    const auto bits = Bits(5, 1);
    const BitmapInfo info = Header(5, 1);
    // Right of the bitmap, left of it, above and below its one row, no width, no height.
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 5, 1, 5, 0, 0, 1, bits, info, DibColours::Rgb), 0);
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 2, 1, -2, 0, 0, 1, bits, info, DibColours::Rgb), 0);
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 5, 1, 0, 1, 0, 1, bits, info, DibColours::Rgb), 0);
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 5, 1, 0, -1, 0, 1, bits, info, DibColours::Rgb), 0);
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 0, 1, 0, 0, 0, 1, bits, info, DibColours::Rgb), 0);
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 5, 0, 0, 0, 0, 1, bits, info, DibColours::Rgb), 0);
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kUntouched), 24);
    // On the bitmap, the line is taken even where the surface clips all of it away.
    EXPECT_EQ(SetDIBitsToDevice(surface, 8, 0, 5, 1, 0, 0, 0, 1, bits, info, DibColours::Rgb), 1);
    EXPECT_EQ(SetDIBitsToDevice(surface, 0, -1, 5, 1, 0, 0, 0, 1, bits, info, DibColours::Rgb), 1);
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kUntouched), 24);
}

TEST(SetDIBitsToDeviceTest, RefusesBitmapsItCannotReadAndShortBuffers) {
    Surface surface(4, 1, kUntouched);
    const auto bits = Bits(4, 1);
    BitmapInfo eightBit = Header(4, 1);
    eightBit.Header.BitCount = 8;
    BitmapInfo compressed = Header(4, 1);
    compressed.Header.Compression = 1;
    for (const BitmapInfo& info : {eightBit, compressed, Header(0, 1), Header(4, -1)}) {
        EXPECT_EQ(SetDIBitsToDevice(surface, 0, 0, 4, 1, 0, 0, 0, 1, bits, info, DibColours::Rgb),
                  0);
    }
    EXPECT_EQ(
        SetDIBitsToDevice(surface, 0, 0, 4, 2, 0, 0, 0, 2, bits, Header(4, 2), DibColours::Rgb), 0);
    EXPECT_EQ(std::ranges::count(surface.Pixels(), kUntouched), 4);
}

}  // namespace
}  // namespace tolvane::gdi
