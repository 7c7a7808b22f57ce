#pragma once

#include <cstdint>

#include "gdi/colour.h"
#include "gdi/surface.h"

namespace tolvane::gdi {

// Copies a width x height block from src at (xSrc, ySrc) to dest at (xDest, yDest), one pixel
// to one pixel, leaving out every pixel whose colour equals `transparent` exactly (the low three
// bytes are compared; a pixel one step away is copied). As the Windows call does, the block is
// first taken from the source whole: where it reaches past the source its pixels are black, and
// are drawn as black unless black is the transparent colour. Clipped to the destination. dest and
// src may be the same surface.
//
// Stretching is not supported: when srcWidth, srcHeight differ from width, height the call
// draws nothing and returns false, as it does for a negative size. A zero size draws nothing
// and succeeds.
bool TransparentBlt(Hdc dest, std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                    std::int32_t height, const Surface& src, std::int32_t xSrc, std::int32_t ySrc,
                    std::int32_t srcWidth, std::int32_t srcHeight, Colour transparent);

}  // namespace tolvane::gdi
