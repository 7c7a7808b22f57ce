#pragma once

#include <cstdint>
#include <functional>

namespace tolvane::styler {

// The ten events a StylerButton raises to its host, in declaration order. Arguments passed by
// reference may be changed by the handler; the button reads them back afterwards (a KeyPress
// handler that sets KeyAscii to 0 keeps Enter from clicking). An unset handler is skipped.
// Button is the mouse-button mask (1 = left), Shift the modifier mask, KeyCode the virtual-key
// code (32 = Space), KeyAscii the character code (13 = Enter). Mouse X and Y are in the button's
// pixels; MouseEnters and MouseLeaves get the pointer's screen position.
struct StylerButtonEvents {
    std::function<void()> Click;
    std::function<void()> DoubleClick;
    std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyDown;
    std::function<void(std::int16_t& KeyAscii)> KeyPress;
    std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyUp;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseDown;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseMove;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseUp;
    std::function<void(std::int32_t X, std::int32_t Y)> MouseEnters;
    std::function<void(std::int32_t X, std::int32_t Y)> MouseLeaves;
};

}  // namespace tolvane::styler
