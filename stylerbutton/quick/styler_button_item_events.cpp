// StylerButtonItem raises the button's ten events as its signals. The arguments the button reads
// back go out as event objects over the button's own variables, so what the last handler left
// in them is what the button then tests.
#include <QQmlEngine>

#include "stylerbutton/quick/styler_button_item.h"

namespace tolvane::styler {

namespace {

// An event object stays C++'s: QML only borrows it for the signal.
template <class Event>
Event* Lent(Event& event) {
    QQmlEngine::setObjectOwnership(&event, QQmlEngine::CppOwnership);
    return &event;
}

}  // namespace

void StylerButtonItem::RelayEvents() {
    StylerButtonEvents& raised = Button().Events();
    raised.Click = [this] { emit click(); };
    raised.DoubleClick = [this] { emit dblClick(); };
    raised.KeyDown = [this](std::int16_t& key_code, std::int16_t& shift) {
        StylerButtonKeyEvent key(key_code, shift);
        emit keyDown(Lent(key));
    };
    raised.KeyPress = [this](std::int16_t& key_ascii) {
        StylerButtonKeyPressEvent key(key_ascii);
        emit keyPress(Lent(key));
    };
    raised.KeyUp = [this](std::int16_t& key_code, std::int16_t& shift) {
        StylerButtonKeyEvent key(key_code, shift);
        emit keyUp(Lent(key));
    };
    raised.MouseDown = [this](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
        StylerButtonMouseEvent mouse(button, shift, x, y);
        emit mouseDown(Lent(mouse));
    };
    raised.MouseMove = [this](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
        StylerButtonMouseEvent mouse(button, shift, x, y);
        emit mouseMove(Lent(mouse));
    };
    raised.MouseUp = [this](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
        StylerButtonMouseEvent mouse(button, shift, x, y);
        emit mouseUp(Lent(mouse));
    };
    raised.MouseEnters = [this](std::int32_t x, std::int32_t y) { emit mouseEnters(x, y); };
    raised.MouseLeaves = [this](std::int32_t x, std::int32_t y) { emit mouseLeaves(x, y); };
}

}  // namespace tolvane::styler
