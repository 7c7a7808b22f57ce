#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>

#include "gdi/text_engine.h"
#include "win32/design_font.h"

namespace tolvane::win32 {

// Text on a drawing surface, measured and drawn by GDI in the surface's font (Tahoma 8.25 pt
// when it has none), with solid glyph edges: every pixel a glyph touches becomes exactly the
// surface's foreground colour and no other pixel changes. Text is one line; its width is the
// advance GetTextExtentPoint32W gives and its height the font's cell height (tmHeight).
//
// Print draws the text white on black into a DIB section of its own, then sets each lit pixel
// of the surface to the foreground colour.
class GdiTextEngine final : public gdi::TextEngine {
  public:
    GdiTextEngine();
    ~GdiTextEngine() override;
    GdiTextEngine(const GdiTextEngine&) = delete;
    GdiTextEngine& operator=(const GdiTextEngine&) = delete;

    // The surface's device pixels per logical pixel: the font is drawn that much larger.
    void SetDevicePixelRatio(double ratio);

    double TextWidth(const gdi::Surface& surface, std::string_view text) override;
    double TextHeight(const gdi::Surface& surface, std::string_view text) override;
    void Print(gdi::Surface& surface, int x, int y, std::string_view text) override;

  private:
    // Selects the surface's font into the device context, made anew only when it changes.
    void SelectFontOf(const gdi::Surface& surface);
    // A black 32-bit top-down DIB section of at least width x height selected into the context.
    std::uint32_t* Canvas(int width, int height);

    HDC dc_;
    HGDIOBJ first_font_ = nullptr;
    HGDIOBJ first_bitmap_ = nullptr;
    double ratio_ = 1.0;
    std::optional<gdi::Font> font_description_;
    double font_ratio_ = 1.0;
    FontHandle font_;
    TEXTMETRICW metrics_{};
    HBITMAP canvas_ = nullptr;
    std::uint32_t* canvas_bits_ = nullptr;
    int canvas_width_ = 0;
    int canvas_height_ = 0;
};

}  // namespace tolvane::win32
