#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "stylerbutton/core/container.h"

namespace tolvane::styler::testing {

// Text of fixed metrics: 7 pixels per byte, 12 pixels high; printing draws nothing.
class FixedTextEngine : public gdi::TextEngine {
  public:
    double TextWidth(const gdi::Surface&, std::string_view text) override {
        return 7.0 * text.size();
    }
    double TextHeight(const gdi::Surface&, std::string_view) override { return 12.0; }
    void Print(gdi::Surface&, int, int, std::string_view) override {}
};

// A container that records what the button asks of it. The pointer position and the answer to
// "is this the button's own window" are set by the test.
class FakeContainer : public Container {
  public:
    FakeContainer() : surface_(105, 33) {}
    FakeContainer(int width, int height) : surface_(width, height) {}

    void NotifyPropertyChanged(std::string_view key) override {
        notified.emplace_back(key);
        if (on_notify) {
            on_notify(key);
        }
    }
    std::string InstanceName() const override { return instance_name; }
    gdi::FontRef ContainerFont() const override { return container_font; }
    bool RunMode() const override { return run_mode; }
    gdi::Surface& Surface() override { return surface_; }
    gdi::TextEngine& Text() override { return text_engine ? *text_engine : text_; }
    double DevicePixelRatio() const override { return device_pixel_ratio; }
    void SetWindowRgn(gdi::Region region) override {
        if (fail_set_window_rgn) {
            throw std::runtime_error("SetWindowRgn failed");
        }
        regions.push_back(std::move(region));
    }
    void StartHoverTimer() override { timer_running = true; }
    void StopHoverTimer() override { timer_running = false; }
    bool IsHoverTimerRunning() const override { return timer_running; }
    ScreenPoint GetCursorPos() override { return cursor; }
    bool IsOwnWindowAt(ScreenPoint point) override {
        return own_window_at ? own_window_at(point) : false;
    }

    std::vector<std::string> notified;
    // Called with each notification after it is recorded.
    std::function<void(std::string_view)> on_notify;
    std::vector<gdi::Region> regions;
    std::string instance_name = "StylerButton1";
    gdi::FontRef container_font = std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134});
    bool run_mode = true;
    bool timer_running = false;
    bool fail_set_window_rgn = false;
    ScreenPoint cursor;
    std::function<bool(ScreenPoint)> own_window_at;
    double device_pixel_ratio = 1.0;
    // A text engine to use instead of the fixed-metric one (not owned).
    gdi::TextEngine* text_engine = nullptr;

  private:
    gdi::Surface surface_;
    FixedTextEngine text_;
};

}  // namespace tolvane::styler::testing
