#pragma once

#include <cstdint>

#include "base/mouse_bits.h"

namespace tolvane::styler {

// A 16-bit boolean as the button stores its flags: -1 is true, 0 is false.
inline constexpr std::int16_t BoolTrue = -1;
inline constexpr std::int16_t BoolFalse = 0;

// Turns any value into a stored 16-bit boolean: every non-zero value is true (-1).
inline constexpr std::int16_t ToBool16(std::int64_t value) {
    return value != 0 ? BoolTrue : BoolFalse;
}

// Value names of Theme. Other values are stored as given; the painter then draws no theme.
inline constexpr std::int32_t ThemeDarkGloss = 1;
inline constexpr std::int32_t ThemeBlueGlass = 2;
inline constexpr std::int32_t ThemeSilver = 3;

// Value names of CaptionEffect.
inline constexpr std::int32_t EffectNone = 1;
inline constexpr std::int32_t EffectEmbossed = 2;
inline constexpr std::int32_t EffectEngraved = 3;
inline constexpr std::int32_t EffectOutline = 4;
inline constexpr std::int32_t EffectShadow = 5;

// Value names of CaptionAlignment: nine anchors numbered down each column, left column first.
inline constexpr std::int32_t AlignTopLeft = 1;
inline constexpr std::int32_t AlignMiddleLeft = 2;
inline constexpr std::int32_t AlignBottomLeft = 3;
inline constexpr std::int32_t AlignTopCenter = 4;
inline constexpr std::int32_t AlignMiddleCenter = 5;
inline constexpr std::int32_t AlignBottomCenter = 6;
inline constexpr std::int32_t AlignTopRight = 7;
inline constexpr std::int32_t AlignMiddleRight = 8;
inline constexpr std::int32_t AlignBottomRight = 9;

// Value names of IconAlignment. Other values: no icon is drawn.
inline constexpr std::int32_t IconLeft = 1;
inline constexpr std::int32_t IconRight = 2;

// The left mouse button's bit (base/mouse_bits.h) and the virtual-key and character codes the
// button reacts to.
inline constexpr std::int16_t LeftButton = base::kLeftButton;
inline constexpr std::int16_t KeySpace = 32;
inline constexpr std::int16_t KeyAsciiEnter = 13;
// Tab's virtual-key code and its character: they never reach the button (hosted_button.h).
inline constexpr std::int16_t KeyTab = 9;
inline constexpr std::int16_t KeyAsciiTab = 9;

}  // namespace tolvane::styler
