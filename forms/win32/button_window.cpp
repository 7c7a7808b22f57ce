#include "forms/win32/button_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <exception>

#include "forms/win32/form_window.h"
#include "base/mouse_bits.h"
#include "win32/mouse_bits.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"
#include "win32/dib.h"

namespace tolvane::win32 {

namespace {

constexpr LPCWSTR kButtonClass = L"TolvaneStylerButton";

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
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:  // other buttons' double clicks are plain presses
        case WM_MBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

}  // namespace

ButtonWindow::ButtonWindow(HINSTANCE instance, FormWindow& form, std::string_view name,
                           const forms::ControlDesign& design, gdi::FontRef container_font,
                           base::FormTimer& hover_timer, GdiTextEngine& text)
    : form_(form),
      name_(name),
      container_font_(std::move(container_font)),
      hover_timer_(hover_timer),
      text_(text),
      button_(*this) {
    RegisterWindowClass(instance, kButtonClass, Procedure, CS_DBLCLKS);
    const std::wstring title = Utf16(name);
    const DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | (design.Visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExW(0, kButtonClass, title.c_str(), style, design.Left, design.Top,
                              design.Width, design.Height, form.Handle(), nullptr, instance, this);
    hover_timer_.SetEnabled(false);
    hover_timer_.SetInterval(static_cast<int>(styler::kHoverPollInterval.count()));
    hover_timer_.OnTick([this] { Deliver([this] { button_.OnHoverTimerTick(); }); });
    button_.Events().Click = [this] {
        // A handler may add handlers: run the ones in place now.
        const std::vector<std::function<void()>> handlers = on_click_;
        for (const auto& handler : handlers) {
            handler();
        }
    };
    SyncSurfaceSize();
}

ButtonWindow::~ButtonWindow() {
    button_.Teardown();
    hover_timer_.OnTick({});
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void ButtonWindow::OnClick(std::function<void()> handler) {
    on_click_.push_back(std::move(handler));
}

void ButtonWindow::SetFocus() {
    form_.SetFocusChild(window_);
}

// ---- Container --------------------------------------------------------------------------------

gdi::Surface& ButtonWindow::Surface() {
    SyncSurfaceSize();
    return surface_;
}

void ButtonWindow::SyncSurfaceSize() {
    RECT client{};
    GetClientRect(window_, &client);
    if (surface_.Width() != client.right || surface_.Height() != client.bottom) {
        surface_.Resize(client.right, client.bottom);
        paint_pending_ = true;
    }
}

void ButtonWindow::SetWindowRgn(gdi::Region region) {
    if (!region_applied_ || region != region_) {
        region_ = std::move(region);
        region_applied_ = true;
        // The window owns the region from here on; the parent redraws what it uncovers.
        ::SetWindowRgn(window_, ToRegion(region_), TRUE);
    }
    InvalidateRect(window_, nullptr, FALSE);
}

styler::ScreenPoint ButtonWindow::GetCursorPos() {
    POINT at{};
    ::GetCursorPos(&at);
    return {at.x, at.y};
}

bool ButtonWindow::IsOwnWindowAt(styler::ScreenPoint point) {
    return WindowFromPoint(POINT{point.X, point.Y}) == window_;
}

// ---- Painting ---------------------------------------------------------------------------------

void ButtonWindow::RunPendingPaintRow() {
    SyncSurfaceSize();
    if (paint_pending_) {
        paint_pending_ = false;
        button_.OnPaint();
    }
}

void ButtonWindow::CopySurfaceTo(HDC dc) {
    const int width = surface_.Width();
    const int height = surface_.Height();
    if (width <= 0 || height <= 0) {
        return;
    }
    // 0x00BBGGRR to the DIB's 0x00RRGGBB.
    const auto pixels = surface_.Pixels();
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

template <class Input>
void ButtonWindow::Deliver(Input&& input) {
    try {
        input();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name_.c_str(), error.what());
    } catch (...) {
        std::fprintf(stderr, "%s: an event handler failed\n", name_.c_str());
    }
}

void ButtonWindow::MouseButton(UINT message, LPARAM lparam) {
    const std::int16_t button = MessageButton(message);
    const float x = static_cast<float>(GET_X_LPARAM(lparam));
    const float y = static_cast<float>(GET_Y_LPARAM(lparam));
    if (message == WM_LBUTTONDBLCLK) {
        // The second press of a double click is the double click: no MouseDown, no pressed look,
        // and its release makes no Click.
        SetCapture(window_);
        left_pressed_ = false;
        Deliver([&] { button_.OnDoubleClick(); });
        return;
    }
    if (IsPress(message)) {
        SetCapture(window_);
        ::SetFocus(window_);
        if (button == base::kLeftButton) {
            left_pressed_ = true;
        }
        Deliver([&] { button_.OnMouseDown(button, ShiftMask(), x, y); });
        return;
    }
    if ((GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) >= 0) {
        ReleaseCapture();
    }
    RECT client{};
    GetClientRect(window_, &client);
    const bool inside = x >= 0 && y >= 0 && x < static_cast<float>(client.right) &&
                        y < static_cast<float>(client.bottom);
    const bool click = button == base::kLeftButton && left_pressed_ && inside;
    if (button == base::kLeftButton) {
        left_pressed_ = false;
    }
    Deliver([&] { button_.OnMouseUp(button, ShiftMask(), x, y); });
    if (click) {
        Deliver([&] { button_.OnClick(); });
    }
}

LRESULT CALLBACK ButtonWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                         LPARAM lparam) {
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
            RunPendingPaintRow();
            CopySurfaceTo(dc);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINT:
        case WM_PRINTCLIENT:
            RunPendingPaintRow();
            CopySurfaceTo(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // every pixel comes from the surface
        case WM_SIZE:
            RunPendingPaintRow();
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
        case WM_MOUSEMOVE: {
            const float x = static_cast<float>(GET_X_LPARAM(lparam));
            const float y = static_cast<float>(GET_Y_LPARAM(lparam));
            Deliver([&] { button_.OnMouseMove(HeldButtons(wparam), ShiftMask(), x, y); });
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (wparam != VK_TAB) {
                const auto code = static_cast<std::int16_t>(wparam);
                Deliver([&] { button_.OnKeyDown(code, ShiftMask()); });
            }
            break;  // on to DefWindowProc: Alt+F4 and the like go on to the form
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (wparam != VK_TAB) {
                const auto code = static_cast<std::int16_t>(wparam);
                Deliver([&] { button_.OnKeyUp(code, ShiftMask()); });
            }
            break;
        case WM_CHAR:
            if (wparam != L'\t') {
                const auto code = static_cast<std::int16_t>(static_cast<std::uint16_t>(wparam));
                Deliver([&] { button_.OnKeyPress(code); });
            }
            return 0;
        case WM_SETFOCUS:
            Deliver([&] { button_.OnFocusReceived(); });
            return 0;
        case WM_KILLFOCUS:
            Deliver([&] { button_.OnFocusLost(); });
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace tolvane::win32
