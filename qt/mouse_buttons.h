#pragma once

#include <cstdint>

#include <Qt>

#include "base/mouse_bits.h"

namespace tolvane::qt {

// Qt's mouse buttons and modifier keys in the bits of base/mouse_bits.h, as the window and
// its controls report them to their handlers.

// The bits of the given buttons; for a press or release pass the one button that changed, for a
// move every button held.
std::int16_t MouseButtonBits(Qt::MouseButtons buttons);

// The bits of the Shift, Ctrl and Alt keys among the given modifiers.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace tolvane::qt
