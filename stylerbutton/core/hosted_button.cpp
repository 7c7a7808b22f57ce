#include "stylerbutton/core/hosted_button.h"

#include <exception>
#include <utility>

#include "base/mouse_bits.h"
#include "stylerbutton/core/device_scale.h"

namespace tolvane::styler {

HostedButton::HostedButton(HostWindow& window, base::FormTimer& hover_timer,
                           gdi::FontRef container_font)
    : window_(window),
      hover_timer_(hover_timer),
      container_font_(std::move(container_font)),
      button_(*this) {
    hover_timer_.SetEnabled(false);
    hover_timer_.SetInterval(static_cast<int>(kHoverPollInterval.count()));
    hover_timer_.OnTick([this] { Deliver([this] { button_.OnHoverTimerTick(); }); });
}

HostedButton::~HostedButton() {
    hover_timer_.OnTick({});
}

void HostedButton::Teardown() {
    button_.Teardown();
    hover_timer_.OnTick({});
}

template <class Input>
void HostedButton::Deliver(Input&& input) {
    try {
        input();
    } catch (const std::exception& error) {
        window_.ReportFailure(InstanceName() + ": " + error.what());
    } catch (...) {
        window_.ReportFailure(InstanceName() + ": an event handler failed");
    }
}

// ---- Mouse ------------------------------------------------------------------------------------

void HostedButton::MousePressed(std::int16_t button, std::int16_t shift, float x, float y) {
    if (button == 0) {
        return;
    }
    if (button == base::kLeftButton) {
        left_pressed_ = true;
    }
    Deliver([&] { button_.OnMouseDown(button, shift, x, y); });
}

void HostedButton::MouseMoved(std::int16_t buttons, std::int16_t shift, float x, float y) {
    Deliver([&] { button_.OnMouseMove(buttons, shift, x, y); });
}

void HostedButton::MouseReleased(std::int16_t button, std::int16_t shift, float x, float y,
                                 bool inside) {
    if (button == 0) {
        return;
    }
    const bool click = button == base::kLeftButton && left_pressed_ && inside;
    if (button == base::kLeftButton) {
        left_pressed_ = false;
    }
    Deliver([&] { button_.OnMouseUp(button, shift, x, y); });
    if (click) {
        Deliver([&] { button_.OnClick(); });
    }
}

void HostedButton::MouseDoubleClicked(std::int16_t button, std::int16_t shift, float x, float y) {
    if (button != base::kLeftButton) {
        MousePressed(button, shift, x, y);
        return;
    }
    left_pressed_ = false;
    Deliver([&] { button_.OnDoubleClick(); });
}

// ---- Keys -------------------------------------------------------------------------------------

bool HostedButton::KeyPressed(std::int16_t key_code, std::int16_t shift) {
    tab_pressed_last_ = key_code == KeyTab;
    if (tab_pressed_last_) {
        return false;
    }
    Deliver([&] { button_.OnKeyDown(key_code, shift); });
    return true;
}

bool HostedButton::KeyTyped(std::int16_t key_code, std::int16_t shift,
                            std::span<const std::int16_t> characters) {
    if (key_code != 0 && !KeyPressed(key_code, shift)) {
        return false;
    }
    for (const std::int16_t character : characters) {
        CharacterTyped(character);
    }
    return true;
}

bool HostedButton::KeyReleased(std::int16_t key_code, std::int16_t shift, KeyRelease kind) {
    tab_pressed_last_ = false;
    if (key_code == KeyTab) {
        return false;
    }
    // A held key repeats its press; only its real release is a key-up.
    if (kind == KeyRelease::Real) {
        Deliver([&] { button_.OnKeyUp(key_code, shift); });
    }
    return true;
}

void HostedButton::CharacterTyped(std::int16_t key_ascii) {
    if (std::exchange(tab_pressed_last_, false) && key_ascii == KeyAsciiTab) {
        return;
    }
    Deliver([&] { button_.OnKeyPress(key_ascii); });
}

void HostedButton::FocusReceived() {
    Deliver([this] { button_.OnFocusReceived(); });
}

void HostedButton::FocusLost() {
    Deliver([this] { button_.OnFocusLost(); });
}

void HostedButton::PressAction() {
    Deliver([this] { button_.OnClick(); });
}

// ---- Painting ---------------------------------------------------------------------------------

gdi::Surface& HostedButton::Surface() {
    SyncSurfaceSize();
    return surface_;
}

void HostedButton::SyncSurfaceSize() {
    const WindowSize size = window_.Size();
    const DeviceScale scale(size.DevicePixelRatio);
    if (scale.Ratio() != ratio_) {
        ratio_ = scale.Ratio();
        window_.DevicePixelRatioChanged(ratio_);
        region_applied_ = false;  // the shape is applied anew for this ratio
        paint_pending_ = true;
    }
    const std::int32_t width = scale.Whole(size.Width);
    const std::int32_t height = scale.Whole(size.Height);
    if (surface_.Width() != width || surface_.Height() != height) {
        surface_.Resize(width, height);
        paint_pending_ = true;
    }
}

void HostedButton::PaintDue() {
    SyncSurfaceSize();
    if (paint_pending_) {
        paint_pending_ = false;
        button_.OnPaint();
    }
}

void HostedButton::Invalidate() {
    paint_pending_ = true;
    window_.RequestRepaint();
}

// Every Redraw comes here. The repaint it asks for only shows the surface again, so a paint
// request never feeds itself.
void HostedButton::SetWindowRgn(gdi::Region region) {
    if (!region_applied_ || region != region_) {
        region_ = std::move(region);
        region_applied_ = true;
        window_.ApplyRegion(region_, ratio_);
    }
    window_.RequestRepaint();
}

// ---- Hover poll -------------------------------------------------------------------------------

// While the pointer is outside the button's top-level window and the button does not count it
// as over itself, no answer of the windowing system could change anything: the poll then does
// not tick, and a tick that still comes (one due as the pointer left) asks nothing.
bool HostedButton::PointerMayBeOverButton() const {
    return button_.MouseOver() != BoolFalse || window_.PointerInTopLevelWindow();
}

void HostedButton::StartHoverTimer() {
    hover_started_ = true;
    SyncHoverTimer();
}

void HostedButton::StopHoverTimer() {
    hover_started_ = false;
    SyncHoverTimer();
}

void HostedButton::SyncHoverTimer() {
    const bool tick = hover_started_ && PointerMayBeOverButton();
    if (tick != hover_timer_.Enabled()) {
        hover_timer_.SetEnabled(tick);
    }
}

ScreenPoint HostedButton::GetCursorPos() {
    if (PointerMayBeOverButton()) {
        last_cursor_pos_ = window_.CursorPos();
    }
    return last_cursor_pos_;
}

bool HostedButton::IsOwnWindowAt(ScreenPoint point) {
    return PointerMayBeOverButton() && window_.IsOwnWindowAt(point);
}

}  // namespace tolvane::styler
