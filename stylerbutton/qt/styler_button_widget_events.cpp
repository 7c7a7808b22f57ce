// StylerButtonWidget raises the button's ten events to its callbacks (Events()) and its signals.
#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {

// The callback runs first, then the slots; both get the button's arguments by reference where the
// event passes them so, and the button reads them back after both. The callback is copied before
// it runs, so one that replaces itself in Events() does not destroy the function being run.
template <class... Args>
auto StylerButtonWidget::Relay(std::function<void(Args...)> StylerButtonEvents::*callback,
                               void (StylerButtonWidget::*signal)(Args...)) {
    return [this, callback, signal](Args... args) {
        if (const std::function<void(Args...)> handler = events_.*callback) {
            handler(args...);
        }
        emit(this->*signal)(args...);
    };
}

void StylerButtonWidget::RelayEvents() {
    using E = StylerButtonEvents;
    using W = StylerButtonWidget;
    StylerButtonEvents& raised = Button().Events();
    raised.Click = Relay(&E::Click, &W::Click);
    raised.DoubleClick = Relay(&E::DoubleClick, &W::DoubleClick);
    raised.KeyDown = Relay(&E::KeyDown, &W::KeyDown);
    raised.KeyPress = Relay(&E::KeyPress, &W::KeyPress);
    raised.KeyUp = Relay(&E::KeyUp, &W::KeyUp);
    raised.MouseDown = Relay(&E::MouseDown, &W::MouseDown);
    raised.MouseMove = Relay(&E::MouseMove, &W::MouseMove);
    raised.MouseUp = Relay(&E::MouseUp, &W::MouseUp);
    raised.MouseEnters = Relay(&E::MouseEnters, &W::MouseEnters);
    raised.MouseLeaves = Relay(&E::MouseLeaves, &W::MouseLeaves);
}

}  // namespace tolvane::styler
