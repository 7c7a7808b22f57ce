#pragma once

#include <cstdint>
#include <span>

#include "gdi/bitmap_info.h"
#include "gdi/surface.h"

namespace tolvane::gdi {

// Copies pixels of a 24-bit uncompressed bottom-up device-independent bitmap to the surface,
// unchanged, as the Windows SetDIBitsToDevice does: each stored pixel is blue, green, red bytes,
// each row padded to 4 bytes (DibStride).
//
// The source rectangle is width x height pixels whose lower-left corner is (xSrc, ySrc), rows
// counted from the bottom of the bitmap; it lands with its upper-left corner at (xDest, yDest).
// `bits` holds only the rows startScan .. startScan + scanLines - 1 (counted from the bottom,
// the first of them first in memory). Pixels outside the bitmap, outside those rows or outside
// the surface are not drawn.
//
// Returns the number of scan lines taken (scanLines), also when the surface clips every pixel
// away. Returns 0 and draws nothing when the source rectangle holds no stored pixel (it lies
// beside the bitmap, outside the stored rows, or has no width or height), when the header does
// not describe a positive-size 24-bit uncompressed bottom-up bitmap, or when `bits` is shorter
// than scanLines rows. Top-down bitmaps (negative Height) are not supported.
std::int32_t SetDIBitsToDevice(Hdc hdc, std::int32_t xDest, std::int32_t yDest, std::uint32_t width,
                               std::uint32_t height, std::int32_t xSrc, std::int32_t ySrc,
                               std::uint32_t startScan, std::uint32_t scanLines,
                               std::span<const std::uint8_t> bits, const BitmapInfo& info,
                               DibColours colourUse);

}  // namespace tolvane::gdi
