#pragma once

class QWidget;

namespace tolvane::forms {

// Keeps a top-level window off the taskbar. On X11 this sets _NET_WM_STATE_SKIP_TASKBAR on the
// native window, which must exist and not yet be mapped (window managers read the state when the
// window is mapped; Qt merges its own states into the property then). On other platforms it does
// nothing.
void KeepOffTaskbar(QWidget& window);

}  // namespace tolvane::forms
