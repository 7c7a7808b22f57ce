#pragma once

#include <cstdint>

#include "gdi/surface.h"

namespace tolvane::gdi {

// Draws the outline of a rounded rectangle as the Windows RoundRect does with a one-pixel solid
// pen in the surface's foreground colour and a hollow brush: the pen pixels lie on the border of
// left .. right - 1 by top .. bottom - 1 (the box is half-open; an inverted box is normalised, an
// empty one draws nothing), and the interior is untouched.
//
// The corner ellipse is |ellipseWidth| x |ellipseHeight| clamped to the box. With 2 pixels or
// fewer either way the corners are square and the outline is the box's border, except that a box
// of one pixel draws nothing. Otherwise each corner is the pixels that EllipseWalk visits, from
// the side's middle row until its next column would pass the middle of the ellipse, and straight
// sides join the corners: RoundRect(0, 0, 99, 29, 5, 5) leaves out the four corner pixels of the
// 99 x 29 box. Ellipses are clamped to EllipseWalk::kMaxEllipse. Always returns true.
bool RoundRect(Hdc hdc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight);

}  // namespace tolvane::gdi
