#pragma once

#include <string>
#include <utility>

#include "gdi/region.h"
#include "gdi/surface.h"
#include "gdi/text_engine.h"
#include "stylerbutton/core/container.h"
#include "stylerbutton/core/device_scale.h"

namespace tolvane::styler {

// A host with no window, for drawing a button into a picture: the button paints a surface of its
// own, the region it asks for is kept for whoever composes the picture, nothing runs the hover
// timer, and the pointer is over the button exactly while PointerOver is set. width and height
// are the button's logical size; the surface is that times device_pixel_ratio (DeviceScale), and
// the text engine is expected to draw at the same ratio.
class OffscreenContainer final : public Container {
  public:
    OffscreenContainer(int width, int height, gdi::TextEngine& text, gdi::FontRef font,
                       double device_pixel_ratio = 1.0)
        : scale_(device_pixel_ratio),
          surface_(scale_.Whole(width), scale_.Whole(height)),
          text_(text),
          font_(std::move(font)) {}

    void NotifyPropertyChanged(std::string_view) override {}
    std::string InstanceName() const override { return "StylerButton1"; }
    gdi::FontRef ContainerFont() const override { return font_; }
    bool RunMode() const override { return false; }
    gdi::Surface& Surface() override { return surface_; }
    gdi::TextEngine& Text() override { return text_; }
    double DevicePixelRatio() const override { return scale_.Ratio(); }
    void SetWindowRgn(gdi::Region region) override { region_ = std::move(region); }
    void StartHoverTimer() override {}
    void StopHoverTimer() override {}
    bool IsHoverTimerRunning() const override { return false; }
    ScreenPoint GetCursorPos() override { return {}; }
    bool IsOwnWindowAt(ScreenPoint) override { return PointerOver; }

    const gdi::Region& Region() const { return region_; }

    bool PointerOver = false;

  private:
    DeviceScale scale_;
    gdi::Surface surface_;
    gdi::TextEngine& text_;
    gdi::FontRef font_;
    gdi::Region region_;
};

}  // namespace tolvane::styler
