#pragma once

#include <cstdint>
#include <span>

#include "gdi/drawing_observer.h"
#include "tests/windows/dib_canvas.h"

namespace tolvane::judge {

// Watches a surface and makes each drawing call it hears of on a DIB canvas as well, with the
// Windows calls: clearing is FillRect with a solid brush, PSet is SetPixelV, the four drawing
// operations are their Windows namesakes with the same arguments (RoundRect with a one-pixel
// solid pen of the surface's foreground colour and a hollow brush). Set as the surface's observer
// before drawing, it leaves on the canvas the picture the Windows calls draw.
class WindowsReplay final : public gdi::DrawingObserver {
  public:
    explicit WindowsReplay(const DibCanvas& canvas) : canvas_(canvas) {}

    void Cleared(gdi::Colour colour) override;
    void PixelSet(int x, int y, gdi::Colour colour) override;
    void GradientFilled(std::span<const gdi::TriVertex> vertices,
                        std::span<const gdi::GradientMesh> mesh,
                        gdi::GradientFillMode mode) override;
    void RoundRectDrawn(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight,
                        gdi::Colour pen) override;
    void DibBitsSet(std::int32_t xDest, std::int32_t yDest, std::uint32_t width,
                    std::uint32_t height, std::int32_t xSrc, std::int32_t ySrc,
                    std::uint32_t startScan, std::uint32_t scanLines,
                    std::span<const std::uint8_t> bits, const gdi::BitmapInfo& info,
                    gdi::DibColours colourUse) override;
    void TransparentBlitted(std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                            std::int32_t height, const gdi::Surface& src, std::int32_t xSrc,
                            std::int32_t ySrc, std::int32_t srcWidth, std::int32_t srcHeight,
                            gdi::Colour transparent) override;

  private:
    const DibCanvas& canvas_;
};

}  // namespace tolvane::judge
