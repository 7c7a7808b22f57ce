#pragma once

#include <cstddef>
#include <cstdint>

namespace tolvane::gdi {

// The header of a device-independent bitmap, field for field the Windows BITMAPINFOHEADER.
// A positive Height means the rows are stored bottom-up: the first row in memory is the bottom
// row of the picture.
struct BitmapInfoHeader {
    std::uint32_t Size = 40;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint16_t Planes = 1;
    std::uint16_t BitCount = 24;
    std::uint32_t Compression = 0;  // 0: uncompressed (BI_RGB)
    std::uint32_t SizeImage = 0;
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
    std::uint32_t ClrUsed = 0;
    std::uint32_t ClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

// One colour-table entry (RGBQUAD).
struct RgbQuad {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    std::uint8_t Reserved = 0;
};

// The header followed by one colour-table entry, as BITMAPINFO; at 24 bits per pixel the table
// is never read.
struct BitmapInfo {
    BitmapInfoHeader Header;
    RgbQuad Colours[1] = {};
};

// How the colour table is read (DIB_RGB_COLORS, DIB_PAL_COLORS).
enum class DibColours : std::uint32_t { Rgb = 0, Palette = 1 };

// Bytes per stored row: rows are padded to a multiple of 4 bytes, so a 24-bit row of 5 pixels
// takes 16 bytes. Non-positive widths take none.
constexpr std::size_t DibStride(std::int64_t width, std::uint16_t bitCount) {
    if (width <= 0) {
        return 0;
    }
    return static_cast<std::size_t>((width * bitCount + 31) / 32 * 4);
}

}  // namespace tolvane::gdi
