#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "forms/forms_platform.h"
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

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void CopySurfaceTo(HDC dc);
    void MouseButton(UINT message, LPARAM lparam);

    FormWindow& form_;
    std::string name_;
    GdiTextEngine& text_;
    HWND window_ = nullptr;
    // The surface's pixels as the DIB SetDIBitsToDevice copies: 0x00RRGGBB, top row first.
    std::vector<std::uint32_t> dib_;
    std::vector<std::function<void()>> on_click_;
    styler::HostedButton hosted_;  // last: it calls this window from its construction on
};

}  // namespace tolvane::win32
