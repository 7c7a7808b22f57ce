#include "qt/surface_image.h"

#include <algorithm>

namespace tolvane::styler {

void CopySurfaceToImage(const gdi::Surface& surface, QImage& image) {
    const int width = surface.Width();
    const int height = surface.Height();
    if (image.width() != width || image.height() != height ||
        image.format() != QImage::Format_RGB32) {
        image = QImage(width, height, QImage::Format_RGB32);
    }
    for (int y = 0; y < height; ++y) {
        const auto source = surface.Row(y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const gdi::Colour colour = source[static_cast<std::size_t>(x)];
            target[x] = qRgb(gdi::RedByte(colour), gdi::GreenByte(colour), gdi::BlueByte(colour));
        }
    }
}

void CopySurfaceToImage(const gdi::Surface& surface, const gdi::Region& region, QImage& image) {
    const int width = surface.Width();
    const int height = surface.Height();
    if (image.width() != width || image.height() != height ||
        image.format() != QImage::Format_ARGB32_Premultiplied) {
        image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    }
    image.fill(Qt::transparent);
    for (const gdi::Region::Span& span : region.Spans()) {
        if (span.Y < 0 || span.Y >= height) {
            continue;
        }
        const auto source = surface.Row(span.Y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(span.Y));
        for (int x = std::max(0, span.XBegin); x < std::min(width, span.XEnd); ++x) {
            const gdi::Colour colour = source[static_cast<std::size_t>(x)];
            target[x] = qRgb(gdi::RedByte(colour), gdi::GreenByte(colour), gdi::BlueByte(colour));
        }
    }
}

QImage SurfaceToImage(const gdi::Surface& surface) {
    QImage image;
    CopySurfaceToImage(surface, image);
    return image;
}

gdi::Surface ImageToSurface(const QImage& image) {
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    gdi::Surface surface(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        auto target = surface.Row(y);
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb pixel = source[x];
            target[static_cast<std::size_t>(x)] = gdi::Rgb(static_cast<std::uint8_t>(qRed(pixel)),
                                                           static_cast<std::uint8_t>(qGreen(pixel)),
                                                           static_cast<std::uint8_t>(qBlue(pixel)));
        }
    }
    return surface;
}

}  // namespace tolvane::styler
