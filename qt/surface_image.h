#pragma once

#include <QImage>

#include "gdi/region.h"
#include "gdi/surface.h"

namespace tolvane::styler {

// Surfaces (0x00BBGGRR pixels) and Qt images (QImage::Format_RGB32) of the same pixels.

// Copies the surface into image, keeping image's buffer when it already has the surface's size.
void CopySurfaceToImage(const gdi::Surface& surface, QImage& image);
QImage SurfaceToImage(const gdi::Surface& surface);
// The same with every pixel outside region transparent (QImage::Format_ARGB32_Premultiplied):
// the picture of a window whose shape is cut finer than the mask Qt can hold.
void CopySurfaceToImage(const gdi::Surface& surface, const gdi::Region& region, QImage& image);

// The image's colours on a surface of its size; transparency is dropped (pictures are opaque).
gdi::Surface ImageToSurface(const QImage& image);

}  // namespace tolvane::styler
