#pragma once

#include <cstdint>
#include <span>

#include "gdi/bitmap_info.h"
#include "gdi/colour.h"
#include "gdi/gradient_fill.h"
#include "gdi/surface.h"

namespace tolvane::gdi {

// Hears of each drawing call made on a surface, with its arguments, just before the call draws
// (Surface::SetObserver). The calls it hears of are the surface's clearing and PSet and the four
// drawing operations; the text engine and the picture copies that write rows directly are not
// among them. The Windows drawing judge makes the same calls on a Windows device context as it
// hears of them, and so draws a whole picture both ways. A surface without an observer pays one
// null test per call.
class DrawingObserver {
  public:
    virtual ~DrawingObserver() = default;

    // Surface::Clear, and so setting the background colour.
    virtual void Cleared(Colour colour) = 0;
    virtual void PixelSet(int x, int y, Colour colour) = 0;
    virtual void GradientFilled(std::span<const TriVertex> vertices,
                                std::span<const GradientMesh> mesh, GradientFillMode mode) = 0;
    // RoundRect, with the surface's foreground colour as the pen.
    virtual void RoundRectDrawn(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom, std::int32_t ellipseWidth,
                                std::int32_t ellipseHeight, Colour pen) = 0;
    virtual void DibBitsSet(std::int32_t xDest, std::int32_t yDest, std::uint32_t width,
                            std::uint32_t height, std::int32_t xSrc, std::int32_t ySrc,
                            std::uint32_t startScan, std::uint32_t scanLines,
                            std::span<const std::uint8_t> bits, const BitmapInfo& info,
                            DibColours colourUse) = 0;
    // TransparentBlt onto the observed surface.
    virtual void TransparentBlitted(std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                                    std::int32_t height, const Surface& src, std::int32_t xSrc,
                                    std::int32_t ySrc, std::int32_t srcWidth,
                                    std::int32_t srcHeight, Colour transparent) = 0;
};

}  // namespace tolvane::gdi
