#pragma once

class QMouseEvent;
class QWidget;

namespace tolvane::qt {

// Hands the window of `widget` to the window manager to move with the pointer, from inside the
// handling of `press`, a mouse press on the widget; false when the windowing system cannot
// (QWindow::startSystemMove). The compositor then holds the pointer until the button goes up,
// and the release never reaches the application: it is posted one in its stead, or Qt would go
// on treating the button as held on `widget` and send it every later mouse event (no other
// widget would see the pointer until the next press).
bool StartSystemMove(QWidget& widget, const QMouseEvent& press);

}  // namespace tolvane::qt
