#include "qt/mouse_buttons.h"

namespace tolvane::qt {

namespace {

template <class Flags, class Flag>
void AddBit(std::int16_t& bits, Flags flags, Flag flag, std::int16_t bit) {
    if (flags.testFlag(flag)) {
        bits = static_cast<std::int16_t>(bits | bit);
    }
}

}  // namespace

std::int16_t MouseButtonBits(Qt::MouseButtons buttons) {
    std::int16_t bits = 0;
    AddBit(bits, buttons, Qt::LeftButton, base::kLeftButton);
    AddBit(bits, buttons, Qt::RightButton, base::kRightButton);
    AddBit(bits, buttons, Qt::MiddleButton, base::kMiddleButton);
    return bits;
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t bits = 0;
    AddBit(bits, modifiers, Qt::ShiftModifier, base::kShiftMask);
    AddBit(bits, modifiers, Qt::ControlModifier, base::kCtrlMask);
    AddBit(bits, modifiers, Qt::AltModifier, base::kAltMask);
    return bits;
}

}  // namespace tolvane::qt
