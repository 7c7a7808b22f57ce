#pragma once

#include <memory>
#include <type_traits>

#include <windows.h>

#include "gdi/font.h"

namespace tolvane::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// How glyph edges are drawn: as the system draws text (labels), or in whole pixels of one colour
// (the button's caption, whose text engine sets exactly the glyphs' pixels).
enum class GlyphEdges { System, Solid };

// The largest point size a font may have (gdi/font.h).
using gdi::kMaxFontPoints;

// The GDI font of a design font: the face by its name and character set, as the design gives
// them ("宋体" with GB2312, "MS UI Gothic" with ANSI: the system maps them to what it has), the
// size in points as an em height in whole pixels at 96 dots per inch (9 pt is 12 px, 35.25 pt is
// 47 px, as the Qt layer sizes them) times the device pixel ratio, rounded half to even (47 px
// is 70 at 150 %, 94 at 200 %), weight, italic, underline and strikethrough. Throws
// std::invalid_argument naming the size when it is not in (0, kMaxFontPoints] points, and
// std::runtime_error when the system cannot make the font.
FontHandle CreateDesignFont(const gdi::Font& font, GlyphEdges edges, double device_ratio = 1.0);

// The font of a surface that has none: Tahoma 8.25 pt regular.
gdi::Font DefaultSurfaceFont();

}  // namespace tolvane::win32
