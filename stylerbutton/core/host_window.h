#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gdi/region.h"
#include "gdi/text_engine.h"
#include "stylerbutton/core/container.h"

namespace tolvane::styler {

// A window's size in logical pixels and the device pixels per logical pixel of its screen.
struct WindowSize {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    double DevicePixelRatio = 1.0;
};

// What a HostedButton needs of the toolkit window that shows it. A host implements it, owns the
// HostedButton and outlives it; stylerbutton/README.md tells how a host works.
class HostWindow {
  public:
    virtual ~HostWindow() = default;

    // The ambient InstanceName; reports of failures name it too.
    virtual std::string InstanceName() const = 0;
    virtual WindowSize Size() const = 0;
    // Measures and prints on the surface in the font's device size (at DevicePixelRatioChanged's
    // ratio).
    virtual gdi::TextEngine& Text() = 0;
    // Gives the window a new shape, in the surface's device pixels. Called only when the region
    // differs from the one applied last, or the ratio changed since.
    virtual void ApplyRegion(const gdi::Region& region, double device_pixel_ratio) = 0;
    // The surface holds a new picture: show it at the next paint. Must not paint from inside.
    virtual void RequestRepaint() = 0;
    // The pointer's position on the screen, and whether the window under a screen point is this
    // one (not a window that covers it, nor a corner its region cuts away).
    virtual ScreenPoint CursorPos() = 0;
    virtual bool IsOwnWindowAt(ScreenPoint point) = 0;
    // An input ended in a failing event handler; `message` names the instance and the error.
    virtual void ReportFailure(std::string_view message) = 0;

    // The button's design-time notice that a property changed, with its store key.
    virtual void NotifyPropertyChanged(std::string_view key) { (void)key; }
    // The screen's device pixel ratio changed; the surface follows.
    virtual void DevicePixelRatioChanged(double ratio) { (void)ratio; }
    // Whether the pointer is over the top-level window that holds the button. While it is not
    // and the button is not hovered, the hover poll sleeps; the host then calls
    // HostedButton::PointerCrossedWindow when the pointer enters or leaves that window.
    virtual bool PointerInTopLevelWindow() const { return true; }
};

}  // namespace tolvane::styler
