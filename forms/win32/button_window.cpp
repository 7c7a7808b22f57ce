#include "forms/win32/button_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>

#include "forms/win32/form_window.h"
#include "win32/dib.h"
#include "win32/mouse_bits.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace tolvane::win32 {

namespace {

constexpr LPCWSTR kButtonClass = L"TolvaneStylerButton";
// The timer of the press action, and how long after the request it runs. A client in another
// process (a screen reader) gets the answer to its call from a thread of COM's once the call has
// returned here; a Click may end the program, so it waits long enough for that answer to leave.
constexpr UINT_PTR kPressTimer = 1;
constexpr UINT kPressDelayMilliseconds = 50;

// The states assistive technology reads, as bits of ButtonAccessible::State.
long StateBits(const styler::StylerButton& button) {
    return (button.Enabled() == styler::BoolFalse ? 1 : 0) |
           (button.HasFocus() != styler::BoolFalse ? 2 : 0) |
           (button.Pressed() != styler::BoolFalse ? 4 : 0) |
           (button.MouseOver() != styler::BoolFalse ? 8 : 0);
}

// The region as GDI takes it: one rectangle per span. An empty region keeps no pixel.
HRGN ToRegion(const gdi::Region& region) {
    const std::vector<gdi::Region::Span>& spans = region.Spans();
    if (spans.empty()) {
        return CreateRectRgn(0, 0, 0, 0);
    }
    // RGNDATA: a 32-byte header, then the rectangles; a RECT is 16 bytes, so the header takes
    // the room of two and the buffer keeps RECT alignment.
    static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT));
    std::vector<RECT> buffer(2 + spans.size());
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    RECT bounds{spans.front().XBegin, spans.front().Y, spans.front().XEnd, spans.front().Y + 1};
    RECT* rects = buffer.data() + 2;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const gdi::Region::Span& span = spans[i];
        rects[i] = RECT{span.XBegin, span.Y, span.XEnd, span.Y + 1};
        bounds.left = std::min<LONG>(bounds.left, span.XBegin);
        bounds.right = std::max<LONG>(bounds.right, span.XEnd);
        bounds.bottom = std::max<LONG>(bounds.bottom, span.Y + 1);
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(spans.size());
    data->rdh.nRgnSize = static_cast<DWORD>(spans.size() * sizeof(RECT));
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size() * sizeof(RECT)), data);
}

bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool IsDoubleClick(UINT message) {
    return message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDBLCLK;
}

}  // namespace

ButtonWindow::ButtonWindow(HINSTANCE instance, FormWindow& form, std::string_view name,
                           const forms::ControlDesign& design, gdi::FontRef container_font,
                           base::FormTimer& hover_timer, GdiTextEngine& text)
    : form_(form),
      design_place_{design.Left, design.Top, design.Left + design.Width,
                    design.Top + design.Height},
      name_(name),
      text_(text),
      hosted_(*this, hover_timer, std::move(container_font)) {
    RegisterWindowClass(instance, kButtonClass, Procedure, CS_DBLCLKS);
    const std::wstring title = Utf16(name);
    const DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | (design.Visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExW(0, kButtonClass, title.c_str(), style, form.Device(design.Left),
                              form.Device(design.Top), form.Device(design.Width),
                              form.Device(design.Height), form.Handle(), nullptr, instance, this);
    form.OnRatioChanged([this] { Relayout(); });
    hosted_.Button().Events().Click = [this] {
        // A handler may add handlers: run the ones in place now.
        const std::vector<std::function<void()>> handlers = on_click_;
        for (const auto& handler : handlers) {
            handler();
        }
    };
    hosted_.SizeChanged();
    told_state_ = StateBits(hosted_.Button());
    told_name_ = hosted_.Button().Caption();
}

ButtonWindow::~ButtonWindow() {
    if (accessible_ != nullptr) {
        accessible_->Detach();
        accessible_->Release();
    }
    hosted_.Teardown();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void ButtonWindow::OnClick(std::function<void()> handler) {
    on_click_.push_back(std::move(handler));
}

void ButtonWindow::SetFocus() {
    form_.SetFocusChild(window_);
}

void ButtonWindow::PressLater() {
    SetTimer(window_, kPressTimer, kPressDelayMilliseconds, nullptr);
}

void ButtonWindow::Relayout() {
    const RECT& place = design_place_;
    SetWindowPos(window_, nullptr, form_.Device(place.left), form_.Device(place.top),
                 form_.Device(place.right - place.left), form_.Device(place.bottom - place.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    hosted_.SizeChanged();
    InvalidateRect(window_, nullptr, FALSE);
}

float ButtonWindow::Logical(int device) const {
    return static_cast<float>(device / form_.Ratio());
}

void ButtonWindow::TellAccessibleChanges() {
    const long state = StateBits(hosted_.Button());
    if (state != told_state_) {
        told_state_ = state;
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    }
    if (hosted_.Button().Caption() != told_name_) {
        told_name_ = hosted_.Button().Caption();
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    }
}

// ---- HostWindow -------------------------------------------------------------------------------

styler::WindowSize ButtonWindow::Size() const {
    return {design_place_.right - design_place_.left, design_place_.bottom - design_place_.top,
            form_.Ratio()};
}

void ButtonWindow::DevicePixelRatioChanged(double ratio) {
    text_.SetDevicePixelRatio(ratio);
}

void ButtonWindow::ApplyRegion(const gdi::Region& region, double) {
    // The window owns the region from here on; the parent redraws what it uncovers.
    ::SetWindowRgn(window_, ToRegion(region), TRUE);
}

// Every change of the button's looks comes here, so its states and name are compared here too.
void ButtonWindow::RequestRepaint() {
    InvalidateRect(window_, nullptr, FALSE);
    TellAccessibleChanges();
}

styler::ScreenPoint ButtonWindow::CursorPos() {
    POINT at{};
    ::GetCursorPos(&at);
    return {at.x, at.y};
}

// WindowFromPoint honours the region and any window that covers the button.
bool ButtonWindow::IsOwnWindowAt(styler::ScreenPoint point) {
    return WindowFromPoint(POINT{point.X, point.Y}) == window_;
}

void ButtonWindow::ReportFailure(std::string_view message) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
}

// ---- Painting ---------------------------------------------------------------------------------

void ButtonWindow::CopySurfaceTo(HDC dc) {
    const gdi::Surface& surface = hosted_.Surface();
    const int width = surface.Width();
    const int height = surface.Height();
    if (width <= 0 || height <= 0) {
        return;
    }
    // 0x00BBGGRR to the DIB's 0x00RRGGBB.
    const auto pixels = surface.Pixels();
    dib_.resize(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const gdi::Colour c = pixels[i];
        dib_[i] = (c & 0x0000FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
    }
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                        static_cast<UINT>(height), dib_.data(), &info, DIB_RGB_COLORS);
}

// ---- Input ------------------------------------------------------------------------------------

void ButtonWindow::MouseButton(UINT message, LPARAM lparam) {
    const std::int16_t button = MessageButton(message);
    const float x = Logical(GET_X_LPARAM(lparam));
    const float y = Logical(GET_Y_LPARAM(lparam));
    if (IsDoubleClick(message)) {
        SetCapture(window_);
        if (message != WM_LBUTTONDBLCLK) {
            ::SetFocus(window_);  // the other buttons' double clicks are presses
        }
        hosted_.MouseDoubleClicked(button, ShiftMask(), x, y);
        return;
    }
    if (IsPress(message)) {
        SetCapture(window_);
        ::SetFocus(window_);
        hosted_.MousePressed(button, ShiftMask(), x, y);
        return;
    }
    if ((GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) >= 0) {
        ReleaseCapture();
    }
    RECT client{};
    GetClientRect(window_, &client);
    const int device_x = GET_X_LPARAM(lparam);
    const int device_y = GET_Y_LPARAM(lparam);
    const bool inside =
        device_x >= 0 && device_y >= 0 && device_x < client.right && device_y < client.bottom;
    hosted_.MouseReleased(button, ShiftMask(), x, y, inside);
}

LRESULT CALLBACK ButtonWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    ButtonWindow* host = WindowObject<ButtonWindow>(window, message, lparam);
    if (host == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (host->window_ == nullptr) {
        host->window_ = window;  // messages sent while CreateWindowExW runs
    }
    return host->Handle(message, wparam, lparam);
}

LRESULT ButtonWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window_, &paint);
            hosted_.PaintDue();
            CopySurfaceTo(dc);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINT:
        case WM_PRINTCLIENT:
            hosted_.PaintDue();
            CopySurfaceTo(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // every pixel comes from the surface
        case WM_SIZE:
            hosted_.PaintDue();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            MouseButton(message, lparam);
            return 0;
        case WM_MOUSEMOVE:
            hosted_.MouseMoved(HeldButtons(wparam), ShiftMask(), Logical(GET_X_LPARAM(lparam)),
                               Logical(GET_Y_LPARAM(lparam)));
            return 0;
        // Key messages go on to DefWindowProc: Alt+F4 and the like reach the form.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            hosted_.KeyPressed(static_cast<std::int16_t>(wparam), ShiftMask());
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            hosted_.KeyReleased(static_cast<std::int16_t>(wparam), ShiftMask());
            break;
        case WM_CHAR:
            hosted_.CharacterTyped(static_cast<std::int16_t>(static_cast<std::uint16_t>(wparam)));
            return 0;
        case WM_SETFOCUS:
            hosted_.FocusReceived();
            NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, CHILDID_SELF);
            return 0;
        case WM_KILLFOCUS:
            hosted_.FocusLost();
            return 0;
        case WM_TIMER:
            if (wparam == kPressTimer) {
                KillTimer(window_, kPressTimer);
                hosted_.PressAction();
                return 0;
            }
            break;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
                if (accessible_ == nullptr) {
                    accessible_ = new ButtonAccessible(*this);
                }
                return accessible_->Answer(wparam);
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace tolvane::win32
