#pragma once

#include <string_view>

#include "gdi/surface.h"

namespace tolvane::gdi {

// Text on a surface, in the surface's font and foreground colour. The toolkit-free code measures
// and prints through this interface; the program implements it with Qt, tests with fixed metrics.
// Text is UTF-8.
class TextEngine {
  public:
    virtual ~TextEngine() = default;

    // Width and height of the text in pixels in the surface's font.
    virtual double TextWidth(const Surface& surface, std::string_view text) = 0;
    virtual double TextHeight(const Surface& surface, std::string_view text) = 0;
    // Draws the text with its top-left corner at (x, y) in the surface's foreground colour with a
    // transparent background: only glyph pixels change. Clipped to the surface.
    virtual void Print(Surface& surface, int x, int y, std::string_view text) = 0;
};

}  // namespace tolvane::gdi
