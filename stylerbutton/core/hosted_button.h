#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/form_timer.h"
#include "gdi/font.h"
#include "gdi/region.h"
#include "gdi/surface.h"
#include "stylerbutton/core/container.h"
#include "stylerbutton/core/host_window.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

// Whether a key release is the real one or one of the releases a held key's auto-repeat sends.
enum class KeyRelease { Real, AutoRepeat };

// A StylerButton in a toolkit window, with the rules every host shares: the click and
// double-click rules, Tab left to focus navigation, failures of event handlers reported, the
// surface and its paint row, the region applied only when it changed, and the hover timer.
// The host turns its toolkit's events into the inputs below, shows Surface() at its paints and
// implements HostWindow. An exception from an event handler ends that input and goes to
// HostWindow::ReportFailure. Everything runs on the user-interface thread.
class HostedButton final : private Container {
  public:
    // `window` and `hover_timer` must outlive this; the timer becomes tmrCheck (50 ms, stopped).
    HostedButton(HostWindow& window, base::FormTimer& hover_timer, gdi::FontRef container_font);
    ~HostedButton() override;
    HostedButton(const HostedButton&) = delete;
    HostedButton& operator=(const HostedButton&) = delete;

    StylerButton& Button() { return button_; }
    const StylerButton& Button() const { return button_; }

    // Ambient values; set them before ApplyDefaults or LoadProperties. RunMode starts true.
    gdi::FontRef ContainerFont() const override { return container_font_; }
    void SetContainerFont(gdi::FontRef font) { container_font_ = std::move(font); }
    bool RunMode() const override { return run_mode_; }
    void SetRunMode(bool running) { run_mode_ = running; }

    // ---- Mouse: button bits and Shift mask of base/mouse_bits.h, x and y in logical pixels ----
    // A press of a button without a bit (0) is ignored.
    void MousePressed(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMoved(std::int16_t buttons, std::int16_t shift, float x, float y);
    // `inside`: the release is over the window's rectangle. A left release after a left press,
    // inside, is followed by Click.
    void MouseReleased(std::int16_t button, std::int16_t shift, float x, float y, bool inside);
    // The second press of a double click. The left button's is the double click (no MouseDown, no
    // pressed look, its release makes no Click); another button's is a plain press.
    void MouseDoubleClicked(std::int16_t button, std::int16_t shift, float x, float y);

    // ---- Keys: virtual-key codes and character codes ------------------------------------------
    // False for Tab, which never reaches the button: the host leaves it to focus navigation.
    bool KeyPressed(std::int16_t key_code, std::int16_t shift);
    bool KeyReleased(std::int16_t key_code, std::int16_t shift, KeyRelease kind = KeyRelease::Real);
    // A character; the Tab character that follows Tab's key press is dropped.
    void CharacterTyped(std::int16_t key_ascii);
    // For hosts whose key events carry their characters: the press (none for key code 0), then
    // each character. False, and nothing typed, when the press is left to the host (Tab).
    bool KeyTyped(std::int16_t key_code, std::int16_t shift,
                  std::span<const std::int16_t> characters);

    void FocusReceived();
    void FocusLost();
    // Assistive technology's press action: Click as Enter gives it, with no key events.
    void PressAction();

    // ---- Painting ------------------------------------------------------------------------------
    // The window's size or ratio may have changed: the surface follows, and a change asks for the
    // paint row (clear, Redraw) at the next PaintDue.
    void SizeChanged() { SyncSurfaceSize(); }
    // Before showing the surface, and after a resize: sizes it, and runs the paint row if asked.
    void PaintDue();
    // Asks for the paint row at the next paint.
    void Invalidate();
    // Sized to the window in device pixels.
    gdi::Surface& Surface() override;
    // The region applied last, in device pixels, and the ratio the surface was made for.
    const gdi::Region& Region() const { return region_; }
    double DevicePixelRatio() const override { return ratio_; }

    // ---- Hover poll ----------------------------------------------------------------------------
    // Whether the button has tmrCheck started, and whether it ticks: it sleeps while the pointer
    // cannot be over the button (HostWindow::PointerInTopLevelWindow).
    bool IsHoverTimerRunning() const override { return hover_started_; }
    bool IsHoverPollTicking() const { return hover_timer_.Running(); }
    bool PointerMayBeOverButton() const;
    // The pointer entered or left the top-level window, or the button moved to another one.
    void PointerCrossedWindow() { SyncHoverTimer(); }

    // Stops the hover poll, clears the state flags and the surface (StylerButton::Teardown) and
    // detaches from the timer. The host calls it from its destructor, while its window exists.
    void Teardown();

  private:
    // Container, for the button.
    void NotifyPropertyChanged(std::string_view key) override {
        window_.NotifyPropertyChanged(key);
    }
    std::string InstanceName() const override { return window_.InstanceName(); }
    gdi::TextEngine& Text() override { return window_.Text(); }
    void SetWindowRgn(gdi::Region region) override;
    void StartHoverTimer() override;
    void StopHoverTimer() override;
    ScreenPoint GetCursorPos() override;
    bool IsOwnWindowAt(ScreenPoint point) override;

    void SyncSurfaceSize();
    void SyncHoverTimer();
    // Runs one input of the button; a failure is reported with the instance name.
    template <class Input>
    void Deliver(Input&& input);

    HostWindow& window_;
    base::FormTimer& hover_timer_;
    gdi::FontRef container_font_;
    bool run_mode_ = true;
    gdi::Surface surface_;
    double ratio_ = 1.0;
    gdi::Region region_;
    bool region_applied_ = false;
    bool paint_pending_ = true;
    // A left press that a left release inside turns into a click.
    bool left_pressed_ = false;
    // Tab's key press was the last key input: its character is not the button's.
    bool tab_pressed_last_ = false;
    bool hover_started_ = false;
    ScreenPoint last_cursor_pos_;
    StylerButton button_;  // last: it talks to the members above from its first call
};

}  // namespace tolvane::styler
