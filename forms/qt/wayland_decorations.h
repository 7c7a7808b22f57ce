#pragma once

namespace tolvane::qt {

// Whether the Wayland compositor draws title bars for its clients: whether it offers the
// xdg-decoration protocol (zxdg_decoration_manager_v1), as sway and KDE do, through which Qt asks
// for them. Weston and GNOME do not. Looks at the compositor WAYLAND_DISPLAY names, over a
// connection of its own; false when there is none, or when the build has no libwayland-client.
bool CompositorDrawsTitleBars();

}  // namespace tolvane::qt
