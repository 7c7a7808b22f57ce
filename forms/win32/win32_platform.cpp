#include "forms/win32/win32_platform.h"

#include <commctrl.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "design/design_json.h"
#include "forms/control_design.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace tolvane::win32 {

namespace {

constexpr LPCWSTR kTimerClass = L"TolvaneTimers";

// The design in the executable's RCDATA resource.
design::Design ReadDesignResource(HINSTANCE instance, const DesignResource& resource) {
    const std::string name(resource.Name);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource.Id), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        throw design::DesignError(name + ": cannot be read: the program has no resource " +
                                  std::to_string(resource.Id));
    }
    return design::ParseDesign(
        std::string_view(static_cast<const char*>(bytes), SizeofResource(instance, found)), name);
}

// A failure in a tick handler cannot cross the window procedure: it is reported and ends the
// program, as an unhandled failure would.
[[noreturn]] void EndOnFailure(const char* what) {
    std::fprintf(stderr, "tolvane: %s\n", what);
    std::fflush(nullptr);
    ExitProcess(1);
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance, DesignResource design, int background_id,
                             int background_2x_id)
    : instance_(instance), design_resource_(design), background_{background_id, background_2x_id} {
    // The tooltip class of the labels.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClass(instance, kTimerClass, TimerProcedure, 0);
    timer_window_ =
        CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

Win32Platform::~Win32Platform() {
    buttons_.clear();
    window_.reset();
    timers_.clear();
    SetWindowLongPtrW(timer_window_, GWLP_USERDATA, 0);
    DestroyWindow(timer_window_);
}

forms::Window& Win32Platform::MakeWindow(const forms::WindowDesign& design) {
    window_ = std::make_unique<FormWindow>(instance_, design, background_);
    return *window_;
}

forms::Label& Win32Platform::MakeLabel(const forms::LabelDesign& design) {
    return window_->AddLabel(design);
}

FormTimer& Win32Platform::NewTimer() {
    timers_.push_back(std::make_unique<FormTimer>(timer_window_, timers_.size() + 1));
    return *timers_.back();
}

base::FormTimer& Win32Platform::MakeTimer() {
    return NewTimer();
}

forms::ButtonHost& Win32Platform::MakeButton(std::string_view name,
                                             const forms::ControlDesign& design,
                                             gdi::FontRef container_font) {
    buttons_.push_back(std::make_unique<ButtonWindow>(
        instance_, *window_, name, design, std::move(container_font), NewTimer(), text_));
    return *buttons_.back();
}

forms::ControlDesign Win32Platform::ReadControlDesign(std::string_view name) {
    if (!design_) {
        design_ = ReadDesignResource(instance_, design_resource_);
    }
    return forms::ControlDesignFrom(*design_, design_resource_.Name, name, pictures_);
}

void Win32Platform::ShowMessage(std::string_view text_utf8, std::string_view title_utf8,
                                forms::MessageIcon icon) {
    const std::wstring text = Utf16(text_utf8);
    const std::wstring title = Utf16(title_utf8);
    const UINT kind = icon == forms::MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL | kind);
}

int Win32Platform::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK Win32Platform::TimerProcedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
    Win32Platform* platform = WindowObject<Win32Platform>(window, message, lparam);
    if (message != WM_TIMER || platform == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (wparam >= 1 && wparam <= platform->timers_.size()) {
        try {
            platform->timers_[wparam - 1]->Fire();
        } catch (const std::exception& error) {
            EndOnFailure(error.what());
        } catch (...) {
            EndOnFailure("a timer's handler failed");
        }
    }
    return 0;
}

}  // namespace tolvane::win32
