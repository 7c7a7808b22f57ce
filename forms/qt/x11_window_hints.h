#pragma once

class QWidget;

namespace tolvane::qt {

// What a top-level window asks of an X11 window manager beyond what Qt's window flags can say.
// Both must be called when the native window exists and is not yet mapped: window managers read
// these properties when the window is mapped. On other platforms they do nothing.

// Keeps the window off the taskbar: sets _NET_WM_STATE_SKIP_TASKBAR (Qt merges its own states into
// the property when it maps the window).
void KeepOffTaskbar(QWidget& window);

// Asks for a title bar with no buttons and no window menu: _MOTIF_WM_HINTS with the move function
// only and the border and title decorations only. Qt's own hints for a title bar without buttons
// leave the decorations to the window manager, which then still draws its menu and shade buttons.
void AskForBareTitleBar(QWidget& window);

}  // namespace tolvane::qt
