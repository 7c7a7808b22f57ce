// StylerButtonItem turns Qt Quick's mouse, hover, key and focus events into the button's inputs.
#include <cmath>
#include <cstdint>

#include <QFocusEvent>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "qt/mouse_buttons.h"
#include "qt/qt_input_codes.h"
#include "stylerbutton/quick/styler_button_item.h"

namespace tolvane::styler {

void StylerButtonItem::TrackPointer(QPointF local, bool over) {
    const QPointF global = mapToGlobal(local);
    pointer_ = ScreenPoint{static_cast<std::int32_t>(std::floor(global.x())),
                           static_cast<std::int32_t>(std::floor(global.y()))};
    if (over != pointer_over_) {
        pointer_over_ = over;
        hosted_.PointerCrossedWindow();  // wakes the hover poll, or lets it sleep
    }
}

// ---- Mouse ------------------------------------------------------------------------------------
// Qt Quick delivers a press only inside contains(), so a press in a cut-away corner goes to what
// lies below. Every press takes the keyboard focus first, as a push button does.

void StylerButtonItem::mousePressEvent(QMouseEvent* event) {
    event->accept();
    buttons_held_ = event->buttons();
    const QPointF at = event->position();
    TrackPointer(at, contains(at));
    // The second press of a double click: the double-click event that follows stands for it.
    if (event->flags().testFlag(Qt::MouseEventCreatedDoubleClick)) {
        return;
    }
    forceActiveFocus(Qt::MouseFocusReason);
    hosted_.MousePressed(qt::MouseButtonBits(event->button()), qt::ShiftMask(event->modifiers()),
                         static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void StylerButtonItem::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    TrackPointer(at, contains(at));
    hosted_.MouseMoved(qt::MouseButtonBits(event->buttons()), qt::ShiftMask(event->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void StylerButtonItem::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    buttons_held_ = event->buttons();
    const QPointF at = event->position();
    TrackPointer(at, contains(at));
    hosted_.MouseReleased(qt::MouseButtonBits(event->button()), qt::ShiftMask(event->modifiers()),
                          static_cast<float>(at.x()), static_cast<float>(at.y()),
                          boundingRect().contains(at));
}

void StylerButtonItem::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    hosted_.MouseDoubleClicked(qt::MouseButtonBits(event->button()),
                               qt::ShiftMask(event->modifiers()), static_cast<float>(at.x()),
                               static_cast<float>(at.y()));
}

// ---- Hover: the pointer's moves without a button held, and where the hover poll finds it ------

void StylerButtonItem::hoverEnterEvent(QHoverEvent* event) {
    hoverMoveEvent(event);
}

void StylerButtonItem::hoverMoveEvent(QHoverEvent* event) {
    const QPointF at = event->position();
    TrackPointer(at, contains(at));
    // While this item's press holds a button, the moves come as mouse moves.
    if (buttons_held_ == Qt::NoButton) {
        hosted_.MouseMoved(0, qt::ShiftMask(event->modifiers()), static_cast<float>(at.x()),
                           static_cast<float>(at.y()));
    }
}

void StylerButtonItem::hoverLeaveEvent(QHoverEvent* event) {
    TrackPointer(event->position(), false);
}

// ---- Keys and focus ---------------------------------------------------------------------------

// Tab and Backtab are ignored, so that Qt Quick moves the focus along the tab chain.
void StylerButtonItem::keyPressEvent(QKeyEvent* event) {
    const qt::WindowsKey key = qt::WindowsKeyOf(*event);
    event->setAccepted(hosted_.KeyTyped(key.Code, key.Shift, key.Characters));
}

void StylerButtonItem::keyReleaseEvent(QKeyEvent* event) {
    const qt::WindowsKey key = qt::WindowsKeyOf(*event);
    const KeyRelease kind = key.AutoRepeat ? KeyRelease::AutoRepeat : KeyRelease::Real;
    event->setAccepted(key.Code == 0 || hosted_.KeyReleased(key.Code, key.Shift, kind));
}

void StylerButtonItem::focusInEvent(QFocusEvent* event) {
    QQuickItem::focusInEvent(event);
    hosted_.FocusReceived();
}

void StylerButtonItem::focusOutEvent(QFocusEvent* event) {
    QQuickItem::focusOutEvent(event);
    hosted_.FocusLost();
}

}  // namespace tolvane::styler
