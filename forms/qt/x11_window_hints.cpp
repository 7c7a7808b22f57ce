#include "forms/qt/x11_window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(TOLVANE_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace tolvane::qt {

#if defined(TOLVANE_HAVE_XCB) && QT_CONFIG(xcb)
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool HasAtom(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
             xcb_atom_t value) {
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return std::find(atoms, atoms + reply->value_len, value) != atoms + reply->value_len;
}

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The Motif window-manager hints: which fields are given, then the allowed functions and the
// decorations, each a set of bits.
struct MotifWmHints {
    std::uint32_t Flags;
    std::uint32_t Functions;
    std::uint32_t Decorations;
    std::int32_t InputMode;
    std::uint32_t Status;
};
constexpr std::uint32_t kMwmHintsFunctions = 1u << 0;
constexpr std::uint32_t kMwmHintsDecorations = 1u << 1;
constexpr std::uint32_t kMwmFunctionMove = 1u << 2;
constexpr std::uint32_t kMwmDecorationBorder = 1u << 1;
constexpr std::uint32_t kMwmDecorationTitle = 1u << 3;

}  // namespace

void KeepOffTaskbar(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return;
    }
    const auto native = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = InternAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip_taskbar = InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip_taskbar == XCB_ATOM_NONE ||
        HasAtom(connection, native, state, skip_taskbar)) {
        return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, native, state, XCB_ATOM_ATOM, 32, 1,
                        &skip_taskbar);
    xcb_flush(connection);
}

void AskForBareTitleBar(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return;
    }
    const xcb_atom_t hints_atom = InternAtom(connection, "_MOTIF_WM_HINTS");
    if (hints_atom == XCB_ATOM_NONE) {
        return;
    }
    const MotifWmHints hints{kMwmHintsFunctions | kMwmHintsDecorations, kMwmFunctionMove,
                             kMwmDecorationBorder | kMwmDecorationTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), hints_atom, hints_atom, 32, 5,
                        &hints);
    xcb_flush(connection);
}

#else

void KeepOffTaskbar(QWidget&) {}
void AskForBareTitleBar(QWidget&) {}

#endif

}  // namespace tolvane::qt
