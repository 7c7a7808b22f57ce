#pragma once

#include <cstdint>

#include <windows.h>

#include "base/mouse_bits.h"

namespace tolvane::win32 {

// The window messages' mouse buttons and modifier keys in the bits of base/mouse_bits.h.

// Every button a mouse message's wParam says is held (MK_LBUTTON, MK_RBUTTON, MK_MBUTTON).
std::int16_t HeldButtons(WPARAM key_state);

// The button a press, release or double-click message is about; 0 for any other message.
std::int16_t MessageButton(UINT message);

// Shift, Ctrl and Alt as the keyboard holds them while the current message is handled.
std::int16_t ShiftMask();

}  // namespace tolvane::win32
