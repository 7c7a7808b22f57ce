#include "forms/qt/wayland_decorations.h"

#if defined(TOLVANE_HAVE_WAYLAND)
#include <wayland-client.h>

#include <cstdint>
#include <cstring>
#include <memory>
#endif

namespace tolvane::qt {

#if defined(TOLVANE_HAVE_WAYLAND)
namespace {

void OnGlobal(void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
        *static_cast<bool*>(data) = true;
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener{OnGlobal, OnGlobalRemove};

struct Disconnect {
    void operator()(wl_display* display) const { wl_display_disconnect(display); }
};

struct DestroyRegistry {
    void operator()(wl_registry* registry) const { wl_registry_destroy(registry); }
};

}  // namespace

bool CompositorDrawsTitleBars() {
    // The compositor lists its globals in answer to the registry request; one round trip brings
    // them all.
    const std::unique_ptr<wl_display, Disconnect> display(wl_display_connect(nullptr));
    if (!display) {
        return false;
    }
    const std::unique_ptr<wl_registry, DestroyRegistry> registry(
        wl_display_get_registry(display.get()));
    bool offered = false;
    if (!registry || wl_registry_add_listener(registry.get(), &kRegistryListener, &offered) != 0 ||
        wl_display_roundtrip(display.get()) < 0) {
        return false;
    }
    return offered;
}

#else

bool CompositorDrawsTitleBars() {
    return false;
}

#endif

}  // namespace tolvane::qt
