#pragma once

#include <QFont>

#include "app/gdi/text_engine.h"

namespace tolvane::forms {

// Text on a drawing surface, measured and drawn with Qt in the surface's font (Tahoma 8.25 pt
// when it has none). Glyphs are drawn without antialiasing, as desktop text of this kind is: every
// pixel a glyph touches becomes exactly the surface's foreground colour and no other pixel
// changes. Text is one line. Needs a QGuiApplication.
class QtTextEngine final : public gdi::TextEngine {
  public:
    double TextWidth(const gdi::Surface& surface, std::string_view text) override;
    double TextHeight(const gdi::Surface& surface, std::string_view text) override;
    void Print(gdi::Surface& surface, int x, int y, std::string_view text) override;

    // The Qt font a surface's text is drawn in.
    static QFont SurfaceFont(const gdi::Surface& surface);
};

}  // namespace tolvane::forms
