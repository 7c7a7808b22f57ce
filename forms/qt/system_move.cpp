#include "forms/qt/system_move.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tolvane::qt {

bool StartSystemMove(QWidget& widget, const QMouseEvent& press) {
    QWindow* handle = widget.window()->windowHandle();
    if (handle == nullptr || !handle->startSystemMove()) {
        return false;
    }
    // Posted, so that it comes after the press has been handled to its end.
    QCoreApplication::postEvent(
        handle, new QMouseEvent(QEvent::MouseButtonRelease, press.position(), press.scenePosition(),
                                press.globalPosition(), press.button(),
                                press.buttons() & ~press.button(), press.modifiers()));
    return true;
}

}  // namespace tolvane::qt
