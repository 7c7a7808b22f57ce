#pragma once

#include <cstdint>

#include "base/rounding.h"

namespace tolvane::base {

// The window's coordinate unit is the twip: 15 twips to the pixel, 1440 to the inch at 96 dots
// per inch. Fonts are sized in points (72 to the inch) and drawn at 96 dots per inch whatever the
// screen reports, so the window looks the same on every screen: 9 pt is 12 px, 10.5 pt is 14 px,
// 12 pt is 16 px and 35.25 pt is 47 px.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kPixelsPerInch = 96.0;
inline constexpr double kPointsPerInch = 72.0;

inline constexpr double PixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// Twips to whole pixels, an exact half going to the even neighbour (337.5 twips -> 22.5 -> 22 px).
// NaN, infinities and results beyond 32 bits raise base::OverflowError naming the value.
inline std::int32_t TwipsToPixels(double twips) {
    return base::RoundToInt32(twips / kTwipsPerPixel);
}

// A point size to whole pixels at 96 dots per inch, rounded half to even (8.25 pt -> 11 px).
// NaN, infinities and results beyond 32 bits raise base::OverflowError naming the value.
inline std::int32_t PointsToPixels(double points) {
    return base::RoundToInt32(points * kPixelsPerInch / kPointsPerInch);
}

}  // namespace tolvane::base
