#pragma once

#include <QImage>

#include "app/gdi/surface.h"

namespace tolvane::styler {

// Surfaces (0x00BBGGRR pixels) and Qt images (QImage::Format_RGB32) of the same pixels.

// Copies the surface into image, keeping image's buffer when it already has the surface's size.
void CopySurfaceToImage(const gdi::Surface& surface, QImage& image);
QImage SurfaceToImage(const gdi::Surface& surface);

// The image's colours on a surface of its size; transparency is dropped (pictures are opaque).
gdi::Surface ImageToSurface(const QImage& image);

}  // namespace tolvane::styler
