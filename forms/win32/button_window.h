#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "gdi/region.h"
#include "gdi/surface.h"
#include "forms/forms_platform.h"
#include "win32/gdi_text_engine.h"
#include "stylerbutton/core/container.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::win32 {

class FormWindow;

// The window of one StylerButton: a child window of the form that turns its messages into the
// button's inputs, shows the button's drawing surface and gives the window the button's region.
// No drawing logic lives here.
//
// Painting. The surface is the picture of the last Redraw; WM_PAINT copies it to the window with
// one SetDIBitsToDevice. The paint row (OnPaint: clear, then Redraw) runs at the first paint and
// after a change of size. The region of each Redraw goes to SetWindowRgn when it differs from the
// last one; either way the window is invalidated, and the WM_PAINT that follows only copies the
// surface again, so a paint request never feeds itself. WM_PRINT and WM_PRINTCLIENT draw the same
// picture into the context given.
//
// Input, in the button's terms (the Qt host's, stylerbutton/qt/styler_button_widget.h):
//   mouse  Button bits 1 left, 2 right, 4 middle, Shift mask 1 Shift, 2 Ctrl, 4 Alt, X and Y in
//          the button's pixels; a press captures the pointer until the release. Click: the left
//          button pressed and released over the window. A left double click (the class asks for
//          them) is the double click: no MouseDown and no Click for its second press. A press
//          of any button gives the window the keyboard focus.
//   keys   WM_KEYDOWN / WM_SYSKEYDOWN and their ups with their virtual-key codes, repeats
//          included; WM_CHAR with its character code. Tab is left alone (no KeyDown, KeyUp or
//          KeyPress), as focus navigation has it on the Qt host.
//   focus  WM_SETFOCUS and WM_KILLFOCUS.
//   hover  tmrCheck is a form timer of the platform (50 ms, held like every form timer);
//          GetCursorPos is the system's, IsOwnWindowAt asks WindowFromPoint, which honours the
//          region and any window that covers the button.
// An exception from an event handler ends that input and is reported on standard error with
// the instance name: it cannot cross the window procedure.
class ButtonWindow final : public forms::ButtonHost, public styler::Container {
  public:
    ButtonWindow(HINSTANCE instance, FormWindow& form, std::string_view name,
                 const forms::ControlDesign& design, gdi::FontRef container_font,
                 base::FormTimer& hover_timer, GdiTextEngine& text);
    ~ButtonWindow() override;
    ButtonWindow(const ButtonWindow&) = delete;
    ButtonWindow& operator=(const ButtonWindow&) = delete;

    // ButtonHost
    styler::StylerButton& Button() override { return button_; }
    void OnClick(std::function<void()> handler) override;
    void SetFocus() override;

    // Container
    void NotifyPropertyChanged(std::string_view) override {}
    std::string InstanceName() const override { return name_; }
    gdi::FontRef ContainerFont() const override { return container_font_; }
    bool RunMode() const override { return true; }
    gdi::Surface& Surface() override;
    gdi::TextEngine& Text() override { return text_; }
    void SetWindowRgn(gdi::Region region) override;
    void StartHoverTimer() override { hover_timer_.SetEnabled(true); }
    void StopHoverTimer() override { hover_timer_.SetEnabled(false); }
    bool IsHoverTimerRunning() const override { return hover_timer_.Enabled(); }
    styler::ScreenPoint GetCursorPos() override;
    bool IsOwnWindowAt(styler::ScreenPoint point) override;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void SyncSurfaceSize();
    void RunPendingPaintRow();
    void CopySurfaceTo(HDC dc);
    void MouseButton(UINT message, LPARAM lparam);
    template <class Input>
    void Deliver(Input&& input);

    FormWindow& form_;
    std::string name_;
    gdi::FontRef container_font_;
    base::FormTimer& hover_timer_;
    GdiTextEngine& text_;
    HWND window_ = nullptr;
    gdi::Surface surface_;
    // The surface's pixels as the DIB SetDIBitsToDevice copies: 0x00RRGGBB, top row first.
    std::vector<std::uint32_t> dib_;
    gdi::Region region_;
    bool region_applied_ = false;
    bool paint_pending_ = true;
    bool left_pressed_ = false;
    std::vector<std::function<void()>> on_click_;
    styler::StylerButton button_;  // last: it talks to the members above from its first call
};

}  // namespace tolvane::win32
