#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include <windows.h>

#include "forms/forms_platform.h"
#include "forms/win32/button_window.h"
#include "forms/win32/form_timer.h"
#include "forms/win32/form_window.h"
#include "win32/gdi_text_engine.h"
#include "forms/win32/stored_design.h"

namespace tolvane::win32 {

// The forms platform over user32 and gdi32: the window, its windowless labels, timers over
// SetTimer, MessageBoxW, the design the build carries (stored_design.h) and the StylerButton's
// child window. Made once, on the thread that runs the message loop, after COM and the common
// controls are initialised; everything it makes lives as long as it does.
class Win32Platform final : public forms::Platform {
  public:
    // background_id: the RCDATA resource of the window's picture.
    Win32Platform(HINSTANCE instance, const StoredDesign& design, int background_id);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    forms::Window& MakeWindow(const forms::WindowDesign& design) override;
    forms::Label& MakeLabel(const forms::LabelDesign& design) override;
    base::FormTimer& MakeTimer() override;
    forms::ButtonHost& MakeButton(std::string_view name, const forms::ControlDesign& design,
                                     gdi::FontRef container_font) override;
    // Throws std::runtime_error naming the design and the control when the design has no such
    // control.
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
    static LRESULT CALLBACK TimerProcedure(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam);
    FormTimer& NewTimer();

    HINSTANCE instance_;
    const StoredDesign& design_;
    int background_id_;
    // A message-only window that receives every timer's WM_TIMER, by the timer's id.
    HWND timer_window_ = nullptr;
    GdiTextEngine text_;
    std::vector<std::unique_ptr<FormTimer>> timers_;
    std::unique_ptr<FormWindow> window_;
    std::vector<std::unique_ptr<ButtonWindow>> buttons_;  // children of window_, so after it
};

}  // namespace tolvane::win32
