#include "win32/mouse_bits.h"

namespace tolvane::win32 {

std::int16_t HeldButtons(WPARAM key_state) {
    std::int16_t bits = 0;
    if ((key_state & MK_LBUTTON) != 0) {
        bits |= base::kLeftButton;
    }
    if ((key_state & MK_RBUTTON) != 0) {
        bits |= base::kRightButton;
    }
    if ((key_state & MK_MBUTTON) != 0) {
        bits |= base::kMiddleButton;
    }
    return bits;
}

std::int16_t MessageButton(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return base::kLeftButton;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return base::kRightButton;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return base::kMiddleButton;
        default:
            return 0;
    }
}

std::int16_t ShiftMask() {
    // GetKeyState's high bit is set while the key is down, as of the message being handled.
    std::int16_t bits = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        bits |= base::kShiftMask;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        bits |= base::kCtrlMask;
    }
    if (GetKeyState(VK_MENU) < 0) {
        bits |= base::kAltMask;
    }
    return bits;
}

}  // namespace tolvane::win32
