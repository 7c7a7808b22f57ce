#pragma once

namespace tolvane::qt {

// Whether the application runs on a Wayland compositor (one of Qt's wayland platform plugins).
// A Wayland client can neither place its own windows (the compositor does) nor read where the
// pointer is: it learns of the pointer only from the enter, leave and move events over its own
// windows. On X11, the offscreen platform and elsewhere it does both.
bool OnWayland();

}  // namespace tolvane::qt
