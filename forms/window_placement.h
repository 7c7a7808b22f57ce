#pragma once

#include <cstdint>
#include <string>

#include "base/overflow_error.h"
#include "base/units.h"

namespace tolvane::forms {

// A part of the screen in whole pixels: its top-left corner and its size.
struct ScreenArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct ScreenPoint {
    int X = 0;
    int Y = 0;
};

// The top-left corner that puts a window of the given size (frame included, in pixels) in the
// middle of the area: half of the room left each way, cut toward zero, so an odd pixel left over
// falls to the right and below, and a window larger than the area overhangs it equally on both
// sides (an odd pixel again to the right and below).
constexpr ScreenPoint CentredIn(const ScreenArea& area, int width, int height) {
    return {area.Left + (area.Width - width) / 2, area.Top + (area.Height - height) / 2};
}

// The farthest a window's corner goes from the screen's origin each way, in pixels: Qt's widget
// geometry holds at most QWIDGETSIZE_MAX (2^24 - 1), beyond which its rectangle arithmetic
// would overflow, and Windows keeps the same bound so that a window goes as far on either
// desktop before Move refuses.
inline constexpr std::int32_t kMaxWindowPositionPixels = 16'777'215;

// A window position in twips as whole pixels (halves to even). Throws base::OverflowError naming
// the value when it is not a number or lies beyond kMaxWindowPositionPixels.
inline int WindowPositionPixels(double twips) {
    const std::int32_t pixels = base::TwipsToPixels(twips);
    if (pixels > kMaxWindowPositionPixels || pixels < -kMaxWindowPositionPixels) {
        throw base::OverflowError("overflow: window position " + std::to_string(twips) +
                                  " twips is beyond the screen coordinate range");
    }
    return pixels;
}

}  // namespace tolvane::forms
