#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "gdi/font.h"
#include "gdi/region.h"
#include "gdi/surface.h"
#include "gdi/text_engine.h"

namespace tolvane::styler {

// A point on the screen in pixels, as GetCursorPos gives it.
struct ScreenPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The interval of the hover poll timer tmrCheck.
inline constexpr std::chrono::milliseconds kHoverPollInterval{50};

// What a StylerButton needs from the window that hosts it. HostedButton implements it for toolkit
// windows (hosted_button.h), OffscreenContainer for pictures; it outlives the button.
class Container {
  public:
    virtual ~Container() = default;

    // The design-time notice that a property changed, with the property's store key.
    virtual void NotifyPropertyChanged(std::string_view key) = 0;

    // Ambient values: the name given to this instance (e.g. "StylerButton1"), the container's
    // current font object, and whether the container runs (true) or is being designed (false).
    virtual std::string InstanceName() const = 0;
    virtual gdi::FontRef ContainerFont() const = 0;
    virtual bool RunMode() const = 0;

    // The button's drawing surface (UserControl), sized to the button's window in device pixels,
    // and the text engine that measures and prints on it in the font's device size.
    virtual gdi::Surface& Surface() = 0;
    virtual gdi::TextEngine& Text() = 0;
    // Device pixels per logical pixel on the screen the button shows on: the surface is the
    // window's logical size times this, rounded half to even (DeviceScale). 1 on a plain screen.
    virtual double DevicePixelRatio() const { return 1.0; }

    // Gives the button's window a new shape; the window owns the region from then on and repaints.
    // Every Redraw calls it, so the repaint it asks for must not call OnPaint from inside this
    // call (a paint request would then feed itself).
    virtual void SetWindowRgn(gdi::Region region) = 0;

    // The hover poll timer tmrCheck: while running it calls StylerButton::OnHoverTimerTick every
    // kHoverPollInterval on the user-interface thread.
    virtual void StartHoverTimer() = 0;
    virtual void StopHoverTimer() = 0;
    virtual bool IsHoverTimerRunning() const = 0;

    // The pointer's position on the screen.
    virtual ScreenPoint GetCursorPos() = 0;
    // Whether the window under that screen point is the button's own window. A point over a
    // window that covers the button, or over a corner that the button's region cuts away, is not.
    virtual bool IsOwnWindowAt(ScreenPoint point) = 0;
};

}  // namespace tolvane::styler
