#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "forms/forms_platform.h"
#include "forms/win32/button_accessible.h"
#include "gdi/region.h"
#include "stylerbutton/core/hosted_button.h"
#include "stylerbutton/core/styler_button.h"
#include "win32/gdi_text_engine.h"

namespace tolvane::win32 {

class FormWindow;

// The window of one StylerButton: a child window of the form that turns its messages into the
// inputs of a HostedButton, copies its surface to the window with SetDIBitsToDevice (WM_PAINT,
// WM_PRINT, WM_PRINTCLIENT) and gives the window its region with SetWindowRgn. A press captures
// the pointer until the release and takes the keyboard focus; the class asks for double clicks.
// A failing event handler is reported on standard error. stylerbutton/README.md tells the rest.
//
// The design's place and size are logical pixels: the window is them times the form's ratio and
// the button paints in device pixels, laid out again when the form's ratio changes; pointer
// points reach the button in logical pixels. Assistive technology reads it through a
// ButtonAccessible, told of focus, state and name changes.
class ButtonWindow final : public forms::ButtonHost, private styler::HostWindow {
  public:
    ButtonWindow(HINSTANCE instance, FormWindow& form, std::string_view name,
                 const forms::ControlDesign& design, gdi::FontRef container_font,
                 base::FormTimer& hover_timer, GdiTextEngine& text);
    ~ButtonWindow() override;
    ButtonWindow(const ButtonWindow&) = delete;
    ButtonWindow& operator=(const ButtonWindow&) = delete;

    // ButtonHost
    styler::StylerButton& Button() override { return hosted_.Button(); }
    void OnClick(std::function<void()> handler) override;
    void SetFocus() override;

    // For its accessible object: the window, the button, and its press action, run shortly
    // after the call that asks for it has returned.
    HWND Handle() const { return window_; }
    const styler::StylerButton& Button() const { return hosted_.Button(); }
    void PressLater();

  private:
    // HostWindow
    std::string InstanceName() const override { return name_; }
    styler::WindowSize Size() const override;
    gdi::TextEngine& Text() override { return text_; }
    void ApplyRegion(const gdi::Region& region, double device_pixel_ratio) override;
    void RequestRepaint() override;
    styler::ScreenPoint CursorPos() override;
    bool IsOwnWindowAt(styler::ScreenPoint point) override;
    void ReportFailure(std::string_view message) override;
    void DevicePixelRatioChanged(double ratio) override;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void CopySurfaceTo(HDC dc);
    void MouseButton(UINT message, LPARAM lparam);
    void Relayout();
    float Logical(int device) const;
    // Tells assistive technology what changed in the button's states and name since last time.
    void TellAccessibleChanges();

    FormWindow& form_;
    RECT design_place_;  // logical pixels
    std::string name_;
    GdiTextEngine& text_;
    HWND window_ = nullptr;
    // The surface's pixels as the DIB SetDIBitsToDevice copies: 0x00RRGGBB, top row first.
    std::vector<std::uint32_t> dib_;
    std::vector<std::function<void()>> on_click_;
    ButtonAccessible* accessible_ = nullptr;  // made at the first WM_GETOBJECT
    long told_state_ = 0;
    std::string told_name_;
    styler::HostedButton hosted_;  // last: it calls this window from its construction on
};

}  // namespace tolvane::win32
