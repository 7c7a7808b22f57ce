#pragma once

#include <cstdint>

namespace tolvane::base {

// Mouse buttons and modifier keys as the forms runtime hands them to mouse and key handlers: one
// bit per button or key, the form the countdown window and the StylerButton share on every
// desktop. Other buttons and modifiers have no bit.

// Mouse buttons: 1 left, 2 right, 4 middle.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// Shift, Ctrl and Alt: 1, 2 and 4.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

}  // namespace tolvane::base
