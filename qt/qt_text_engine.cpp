#include "qt/qt_text_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "qt/fonts.h"
#include "base/rounding.h"

namespace tolvane::qt {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The pixels of the surface the text may touch: its advance box widened by the glyphs' ink,
// which may overhang (italic, bold), cut to the surface. Computed in double so that positions
// near the integer limits cannot overflow.
QRect InkOnSurface(const gdi::Surface& surface, const QFontMetricsF& metrics, int x, int y,
                   double advance, const QRectF& boundingRect) {
    const QRectF advance_box(x, y, advance, metrics.height());
    const QRectF ink = boundingRect.translated(x, y + metrics.ascent());
    const QRectF area = advance_box.united(ink).adjusted(-1, -1, 1, 1);
    const double left = std::max(0.0, std::floor(area.left()));
    const double top = std::max(0.0, std::floor(area.top()));
    const double right = std::min<double>(surface.Width(), std::ceil(area.right()));
    const double bottom = std::min<double>(surface.Height(), std::ceil(area.bottom()));
    if (right <= left || bottom <= top) {
        return {};
    }
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                 QPoint(static_cast<int>(right) - 1, static_cast<int>(bottom) - 1));
}

}  // namespace

void QtTextEngine::SetDevicePixelRatio(double ratio) {
    const double usable = std::isfinite(ratio) && ratio > 0.0 ? ratio : 1.0;
    if (usable != ratio_) {
        ratio_ = usable;
        cached_description_.reset();
        cached_text_.reset();
    }
}

QFont QtTextEngine::SurfaceFont(const gdi::Surface& surface, double ratio) {
    QFont font = ToQFont(surface.Font() ? *surface.Font() : DefaultSurfaceFont());
    if (ratio != 1.0) {
        font.setPixelSize(std::max(1, base::RoundToInt32(font.pixelSize() * ratio)));
    }
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

const QFont& QtTextEngine::FontOf(const gdi::Surface& surface) {
    const gdi::Font description = surface.Font() ? *surface.Font() : DefaultSurfaceFont();
    if (!cached_description_ || *cached_description_ != description) {
        cached_description_.reset();
        cached_text_.reset();
        cached_font_ = SurfaceFont(surface, ratio_);
        cached_description_ = description;
    }
    return cached_font_;
}

const QtTextEngine::TextMeasure& QtTextEngine::Measure(const QFont& font, const QString& text) {
    if (!cached_text_ || cached_text_->Text != text) {
        const QFontMetricsF metrics(font);
        cached_text_ =
            TextMeasure{text, metrics.horizontalAdvance(text), metrics.boundingRect(text)};
    }
    return *cached_text_;
}

double QtTextEngine::TextWidth(const gdi::Surface& surface, std::string_view text) {
    return Measure(FontOf(surface), FromUtf8(text)).Advance;
}

double QtTextEngine::TextHeight(const gdi::Surface& surface, std::string_view) {
    return QFontMetricsF(FontOf(surface)).height();
}

void QtTextEngine::Print(gdi::Surface& surface, int x, int y, std::string_view text) {
    const QString qtext = FromUtf8(text);
    if (qtext.isEmpty()) {
        return;
    }
    const QFont& font = FontOf(surface);
    const QFontMetricsF metrics(font);
    const TextMeasure& measure = Measure(font, qtext);
    const QRect area = InkOnSurface(surface, metrics, x, y, measure.Advance, measure.BoundingRect);
    if (area.isEmpty()) {
        return;
    }
    // Draw onto a transparent image of the touched area, then copy every inked pixel over as the
    // foreground colour: the surface's other pixels stay as they were.
    QImage ink(area.size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(static_cast<double>(x) - area.left(),
                                 static_cast<double>(y) - area.top() + metrics.ascent()),
                         qtext);
    }
    const gdi::Colour colour = gdi::Opaque(surface.ForeColor());
    const int width = ink.width();
    const int height = ink.height();
    for (int row = 0; row < height; ++row) {
        const auto* source = reinterpret_cast<const std::uint32_t*>(ink.constScanLine(row));
        auto target = surface.Row(area.top() + row).subspan(static_cast<std::size_t>(area.left()));
        for (int column = 0; column < width; ++column) {
            if (qAlpha(source[column]) != 0) {
                target[static_cast<std::size_t>(column)] = colour;
            }
        }
    }
}

}  // namespace tolvane::qt
