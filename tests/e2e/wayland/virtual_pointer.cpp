// A pointer for whole-program tests under a wlroots compositor (sway): its headless backend has
// no input devices, so clients get no pointer until one like this joins the seat. It creates a
// virtual pointer (zwlr_virtual_pointer_manager_v1) and then reads commands from standard input,
// one a line, answering each with "ok" once the compositor has taken it:
//   move X Y      puts the pointer at (X, Y) of the layout, whose size is given on the command line
//   press B       presses mouse button B (1 left, 2 middle, 3 right)
//   release B     releases it
// The pointer stays on the seat until standard input ends.
//
// Usage: tolvane_virtual_pointer WIDTH HEIGHT

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener{OnGlobal, OnGlobalRemove};

std::uint32_t NowMs() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The evdev code of mouse button 1, 2 or 3; 0 for any other number.
std::uint32_t ButtonCode(int button) {
    switch (button) {
        case 1:
            return BTN_LEFT;
        case 2:
            return BTN_MIDDLE;
        case 3:
            return BTN_RIGHT;
        default:
            return 0;
    }
}

}  // namespace

int main(int argc, char** argv) {
    long width = 0;
    long height = 0;
    if (argc != 3 || (width = std::strtol(argv[1], nullptr, 10)) <= 0 ||
        (height = std::strtol(argv[2], nullptr, 10)) <= 0) {
        std::fprintf(stderr, "usage: tolvane_virtual_pointer WIDTH HEIGHT (the layout's size)\n");
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "tolvane_virtual_pointer: no Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == nullptr) {
        std::fprintf(stderr,
                     "tolvane_virtual_pointer: the compositor offers no virtual pointers\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string verb;
        long x = 0;
        long y = 0;
        int button = 0;
        words >> verb;
        if (verb == "move" && (words >> x >> y) && x >= 0 && y >= 0 && x < width && y < height) {
            zwlr_virtual_pointer_v1_motion_absolute(
                pointer, NowMs(), static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
        } else if ((verb == "press" || verb == "release") && (words >> button) &&
                   ButtonCode(button) != 0) {
            zwlr_virtual_pointer_v1_button(pointer, NowMs(), ButtonCode(button),
                                           verb == "press" ? WL_POINTER_BUTTON_STATE_PRESSED
                                                           : WL_POINTER_BUTTON_STATE_RELEASED);
        } else {
            std::cout << "error: cannot do \"" << line << "\"" << std::endl;
            continue;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        if (wl_display_roundtrip(display) < 0) {
            std::fprintf(stderr, "tolvane_virtual_pointer: the compositor went away\n");
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
