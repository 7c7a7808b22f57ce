#include "qt/window_system.h"

#include <QGuiApplication>

namespace tolvane::qt {

bool OnWayland() {
    // "wayland", "wayland-egl", "wayland-brcm" and the like.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace tolvane::qt
