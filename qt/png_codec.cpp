#include "qt/png_codec.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "qt/surface_image.h"

namespace tolvane::qt {

std::optional<gdi::Surface> QtPngCodec::Decode(std::string_view png) const {
    const QImage image =
        QImage::fromData(QByteArrayView(png.data(), static_cast<qsizetype>(png.size())), "PNG");
    if (image.isNull()) {
        return std::nullopt;
    }
    return styler::ImageToSurface(image);
}

std::string QtPngCodec::Encode(const gdi::Surface& picture) const {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    styler::SurfaceToImage(picture).save(&buffer, "PNG");
    return png.toStdString();
}

}  // namespace tolvane::qt
