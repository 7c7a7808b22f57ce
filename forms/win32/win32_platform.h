#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include <windows.h>

#include "design/design.h"
#include "forms/forms_platform.h"
#include "forms/win32/button_window.h"
#include "forms/win32/form_timer.h"
#include "forms/win32/form_window.h"
#include "resources/resource_ids.h"
#include "win32/gdi_text_engine.h"
#include "win32/png_codec.h"

namespace tolvane::win32 {

// A window's stored design (design/design_json.h) embedded in the executable as an RCDATA
// resource, and the name messages give it.
struct DesignResource {
    int Id = 0;
    std::string_view Name;
};

// The countdown window's design, resources/form1_design.json.
inline constexpr DesignResource kForm1Design{kForm1DesignId, "form1_design.json"};

// The forms platform over user32 and gdi32: the window, its windowless labels, timers over
// SetTimer, MessageBoxW, the design embedded in the executable and the StylerButton's child
// window. Made once, on the thread that runs the message loop, after COM and the common controls
// are initialised; everything it makes lives as long as it does.
class Win32Platform final : public forms::Platform {
  public:
    // design: read on first use. background_id and background_2x_id: the RCDATA resources of the
    // window's picture made for 100 % and for 200 % (0 for none).
    Win32Platform(HINSTANCE instance, DesignResource design, int background_id,
                  int background_2x_id = 0);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    forms::Window& MakeWindow(const forms::WindowDesign& design) override;
    forms::Label& MakeLabel(const forms::LabelDesign& design) override;
    base::FormTimer& MakeTimer() override;
    forms::ButtonHost& MakeButton(std::string_view name, const forms::ControlDesign& design,
                                  gdi::FontRef container_font) override;
    // Throws design::DesignError naming the design, the control and the entry when the design
    // cannot be read or has no such control (forms/control_design.h).
    forms::ControlDesign ReadControlDesign(std::string_view name) override;
    // MessageBoxW, modal for the whole thread (MB_TASKMODAL), with MB_ICONERROR or
    // MB_ICONINFORMATION.
    void ShowMessage(std::string_view text_utf8, std::string_view title_utf8,
                     forms::MessageIcon icon) override;

    // The window MakeWindow made, or nullptr.
    FormWindow* Window() { return window_.get(); }
    // Runs the message loop until the window is closed; returns the exit status it posted.
    int Run();

  private:
    static LRESULT CALLBACK TimerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    FormTimer& NewTimer();

    HINSTANCE instance_;
    DesignResource design_resource_;
    std::optional<design::Design> design_;  // read on first use; the button stores refer into it
    WicPngCodec pictures_;
    BackgroundPictures background_;
    // A message-only window that receives every timer's WM_TIMER, by the timer's id.
    HWND timer_window_ = nullptr;
    GdiTextEngine text_;
    std::vector<std::unique_ptr<FormTimer>> timers_;
    std::unique_ptr<FormWindow> window_;
    std::vector<std::unique_ptr<ButtonWindow>> buttons_;  // children of window_, so after it
};

}  // namespace tolvane::win32
