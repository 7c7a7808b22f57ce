#pragma once

#include <cstdint>

#include <Qt>

namespace tolvane::forms {

// Qt's mouse buttons and modifier keys as the window and its controls report them to their
// handlers: one bit per button or key, the form the countdown window and the StylerButton share.

// Mouse buttons: 1 left, 2 right, 4 middle. Other buttons have no bit.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// Shift, Ctrl and Alt: 1, 2 and 4. Other modifiers (Meta, keypad) have no bit.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// The bits of the given buttons; for a press or release pass the one button that changed, for a
// move every button held.
std::int16_t MouseButtonBits(Qt::MouseButtons buttons);

// The bits of the Shift, Ctrl and Alt keys among the given modifiers.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace tolvane::forms
