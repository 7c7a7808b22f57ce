#include "app/forms/mouse_buttons.h"

namespace tolvane::forms {

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
    AddBit(bits, buttons, Qt::LeftButton, runtime::kLeftButton);
    AddBit(bits, buttons, Qt::RightButton, runtime::kRightButton);
    AddBit(bits, buttons, Qt::MiddleButton, runtime::kMiddleButton);
    return bits;
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t bits = 0;
    AddBit(bits, modifiers, Qt::ShiftModifier, runtime::kShiftMask);
    AddBit(bits, modifiers, Qt::ControlModifier, runtime::kCtrlMask);
    AddBit(bits, modifiers, Qt::AltModifier, runtime::kAltMask);
    return bits;
}

}  // namespace tolvane::forms
