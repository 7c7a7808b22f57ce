#pragma once

#include <cstdint>

#include "app/gdi/surface.h"

namespace tolvane::gdi {

// Draws the outline of a rounded rectangle as the Windows RoundRect does with a one-pixel solid
// pen in the surface's foreground colour and a hollow brush: the pen pixels lie on the border of
// left .. right - 1 by top .. bottom - 1 (the box is half-open), and the interior is untouched.
// The corners are those of RoundedCorners for an ellipse of ellipseWidth x ellipseHeight, so
// RoundRect(0, 0, 99, 29, 5, 5) leaves out the four corner pixels of the 99 x 29 box.
//
// An inverted box is normalised; an empty one draws nothing. The outline is the outer ring of the
// rounded box: every pixel of it that has a left, right, upper or lower neighbour outside it.
// Always returns true.
bool RoundRect(Hdc hdc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight);

}  // namespace tolvane::gdi
