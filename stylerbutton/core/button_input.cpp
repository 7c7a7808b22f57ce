#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

// Each event is raised before the input is examined, so the tests below see the arguments as the
// host's handler left them. An exception from a handler ends the input at that point.

void StylerButton::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!IsEnabled()) {
        return;
    }
    if (events_.MouseDown) {
        events_.MouseDown(button, shift, x, y);
    }
    if (button == LeftButton) {
        pressed_ = BoolTrue;
        Redraw();
    }
}

void StylerButton::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!IsEnabled()) {
        return;
    }
    // Hovering is tracked by the poll alone; a move only reaches the host.
    if (events_.MouseMove) {
        events_.MouseMove(button, shift, x, y);
    }
}

void StylerButton::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!IsEnabled()) {
        return;
    }
    if (events_.MouseUp) {
        events_.MouseUp(button, shift, x, y);
    }
    if (button == LeftButton) {
        pressed_ = BoolFalse;
        Redraw();
    }
}

void StylerButton::OnClick() {
    if (IsEnabled() && events_.Click) {
        events_.Click();
    }
}

void StylerButton::OnDoubleClick() {
    if (IsEnabled() && events_.DoubleClick) {
        events_.DoubleClick();
    }
}

void StylerButton::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (!IsEnabled()) {
        return;
    }
    if (events_.KeyDown) {
        events_.KeyDown(keyCode, shift);
    }
    // A held Space repeats its key-down, and each repetition repaints.
    if (keyCode == KeySpace) {
        pressed_ = BoolTrue;
        Redraw();
    }
}

void StylerButton::OnKeyPress(std::int16_t keyAscii) {
    if (!IsEnabled()) {
        return;
    }
    if (events_.KeyPress) {
        events_.KeyPress(keyAscii);
    }
    // Enter clicks the button; Space only gives the pressed look.
    if (keyAscii == KeyAsciiEnter && events_.Click) {
        events_.Click();
    }
}

void StylerButton::OnKeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (!IsEnabled()) {
        return;
    }
    if (events_.KeyUp) {
        events_.KeyUp(keyCode, shift);
    }
    if (keyCode == KeySpace) {
        pressed_ = BoolFalse;
        Redraw();
    }
}

void StylerButton::OnFocusReceived() {
    if (!IsEnabled()) {
        return;
    }
    has_focus_ = BoolTrue;
    Redraw();
}

void StylerButton::OnFocusLost() {
    if (!IsEnabled()) {
        return;
    }
    has_focus_ = BoolFalse;
    Redraw();
}

void StylerButton::OnPaint() {
    container_.Surface().Clear();
    Redraw();
}

}  // namespace tolvane::styler
