#include "stylerbutton/quick/styler_button_event_objects.h"

#include "stylerbutton/quick/int16_property.h"

namespace tolvane::styler {

void StylerButtonMouseEvent::SetButton(int value) {
    if (FitsInt16(this, "button", value)) {
        button_ = static_cast<std::int16_t>(value);
    }
}

void StylerButtonMouseEvent::SetShift(int value) {
    if (FitsInt16(this, "shift", value)) {
        shift_ = static_cast<std::int16_t>(value);
    }
}

void StylerButtonKeyEvent::SetKeyCode(int value) {
    if (FitsInt16(this, "keyCode", value)) {
        key_code_ = static_cast<std::int16_t>(value);
    }
}

void StylerButtonKeyEvent::SetShift(int value) {
    if (FitsInt16(this, "shift", value)) {
        shift_ = static_cast<std::int16_t>(value);
    }
}

void StylerButtonKeyPressEvent::SetKeyAscii(int value) {
    if (FitsInt16(this, "keyAscii", value)) {
        key_ascii_ = static_cast<std::int16_t>(value);
    }
}

}  // namespace tolvane::styler
