#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

// The hover poll. The timer is stopped while the poll runs, so a MouseEnters or MouseLeaves
// handler that runs a modal loop gets no nested poll. It is started again however the poll ends:
// a handler (or a container call) that fails must not switch hover tracking off for good. The
// failure still reaches the host.
void StylerButton::OnHoverTimerTick() {
    if (!IsEnabled()) {
        return;
    }
    container_.StopHoverTimer();
    try {
        PollHover();
    } catch (...) {
        container_.StartHoverTimer();
        throw;
    }
    container_.StartHoverTimer();
}

void StylerButton::PollHover() {
    cursor_point_ = container_.GetCursorPos();
    // Over a window that covers the button, or over a corner its region cuts away, the pointer
    // counts as outside.
    const bool overOwnWindow = container_.IsOwnWindowAt(cursor_point_);
    if (mouse_over_ == BoolFalse && overOwnWindow) {
        mouse_over_ = BoolTrue;
        Redraw();
        if (events_.MouseEnters) {
            events_.MouseEnters(cursor_point_.X, cursor_point_.Y);
        }
    } else if (mouse_over_ != BoolFalse && !overOwnWindow) {
        mouse_over_ = BoolFalse;
        Redraw();
        if (events_.MouseLeaves) {
            events_.MouseLeaves(cursor_point_.X, cursor_point_.Y);
        }
    }
}

}  // namespace tolvane::styler
