#pragma once

#include <cstdint>

#include <windows.h>

namespace tolvane::win32 {

// The window messages' mouse buttons and modifier keys in the bits the countdown window and the
// StylerButton take, those of the Qt layer (app/forms/mouse_buttons.h): buttons 1 left, 2 right,
// 4 middle; Shift 1, Ctrl 2, Alt 4.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// Every button a mouse message's wParam says is held (MK_LBUTTON, MK_RBUTTON, MK_MBUTTON).
std::int16_t HeldButtons(WPARAM key_state);

// The button a press, release or double-click message is about; 0 for any other message.
std::int16_t MessageButton(UINT message);

// Shift, Ctrl and Alt as the keyboard holds them while the current message is handled.
std::int16_t ShiftMask();

}  // namespace tolvane::win32
