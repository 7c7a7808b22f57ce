#pragma once

#include <optional>

#include <QFont>
#include <QRectF>
#include <QString>

#include "gdi/font.h"
#include "gdi/text_engine.h"

namespace tolvane::qt {

// Text on a drawing surface, measured and drawn with Qt in the surface's font (Tahoma 8.25 pt
// when it has none). Glyphs are drawn without antialiasing, as desktop text of this kind is: every
// pixel a glyph touches becomes exactly the surface's foreground colour and no other pixel
// changes. Text is one line. Needs a QGuiApplication.
class QtTextEngine final : public gdi::TextEngine {
  public:
    double TextWidth(const gdi::Surface& surface, std::string_view text) override;
    double TextHeight(const gdi::Surface& surface, std::string_view text) override;
    void Print(gdi::Surface& surface, int x, int y, std::string_view text) override;

    // Device pixels per logical pixel of the surfaces this engine draws on: text is measured and
    // drawn in the font's size times this (its device size), rounded half to even to whole
    // pixels. A ratio that is not a positive finite number counts as 1.
    void SetDevicePixelRatio(double ratio);

    // The Qt font a surface's text is drawn in, at the given device pixel ratio.
    static QFont SurfaceFont(const gdi::Surface& surface, double ratio = 1.0);

  private:
    // The measurements of one text in one font: its advance and the bounding rectangle of its
    // ink relative to its baseline origin.
    struct TextMeasure {
        QString Text;
        double Advance = 0;
        QRectF BoundingRect;
    };

    // SurfaceFont of the surface, kept for the last font seen, and the measurements of the
    // last text measured in it: building a QFont and shaping a text are most of each call's cost,
    // and a button measures and prints the same caption in the same font, layer after layer and
    // repaint after repaint. A font that ToQFont refuses is never kept.
    const QFont& FontOf(const gdi::Surface& surface);
    const TextMeasure& Measure(const QFont& font, const QString& text);

    double ratio_ = 1.0;
    std::optional<gdi::Font> cached_description_;
    QFont cached_font_;
    std::optional<TextMeasure> cached_text_;
};

}  // namespace tolvane::qt
