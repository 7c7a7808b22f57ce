#include "forms/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "base/mouse_bits.h"
#include "base/units.h"
#include "forms/window_placement.h"
#include "resources/resource_ids.h"
#include "win32/dib.h"
#include "win32/mouse_bits.h"
#include "win32/scaled_bitmap.h"
#include "win32/wic_image.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace tolvane::win32 {

namespace {

constexpr LPCWSTR kFormClass = L"TolvaneForm";
constexpr LPCWSTR kOwnerClass = L"TolvaneFormOwner";

// A fixed single-line frame with a title and nothing else in the title bar: no system menu, so
// no buttons either.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = 0;

// Messages of Windows 10 1703 and later that older headers may not name.
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
// The window's own message: click label number wparam.
constexpr UINT kClickLabel = WM_APP + 1;

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance, const forms::WindowDesign& design,
                       BackgroundPictures pictures)
    : instance_(instance),
      design_size_{design.ClientWidth, design.ClientHeight},
      client_size_(design_size_),
      back_colour_(gdi::Opaque(design.BackColour)),
      picture_ids_(pictures) {
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kApplicationIconId));
    RegisterWindowClass(instance, kOwnerClass, OwnerProcedure, 0, icon);
    RegisterWindowClass(instance, kFormClass, Procedure, 0, icon);
    // An owned window has no taskbar entry; its owner is never shown.
    owner_ = CreateWindowExW(0, kOwnerClass, L"Tolvane", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                             nullptr, instance, nullptr);
    const SIZE frame = FrameFor(kDefaultDpi);
    const std::wstring title = Utf16(design.Caption);
    window_ = CreateWindowExW(kFormExStyle, kFormClass, title.c_str(), kFormStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.cx, frame.cy, owner_, nullptr, instance, this);
    // Its monitor's scale is known once the window exists.
    RECT place{};
    GetWindowRect(window_, &place);
    ApplyDpi(WindowDpi(window_), {place.left, place.top});
}

FormWindow::~FormWindow() {
    if (accessible_ != nullptr) {
        accessible_->Detach();
        accessible_->Release();
    }
    if (tool_tips_ != nullptr) {
        DestroyWindow(tool_tips_);
    }
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    DestroyWindow(owner_);
    if (picture_ != nullptr) {
        DeleteObject(picture_);
    }
}

int FormWindow::Device(double logical) const {
    return DevicePixels(logical, ratio_);
}

void FormWindow::OnRatioChanged(std::function<void()> handler) {
    on_ratio_changed_.push_back(std::move(handler));
}

// The window's place in twips of the logical window: its device pixels over the ratio, unrounded,
// so that a drag, which adds the pointer's movement in the same unit, lands on whole device pixels.
double FormWindow::Left() const {
    RECT frame{};
    GetWindowRect(window_, &frame);
    return base::PixelsToTwips(frame.left / ratio_);
}

double FormWindow::Top() const {
    RECT frame{};
    GetWindowRect(window_, &frame);
    return base::PixelsToTwips(frame.top / ratio_);
}

void FormWindow::Move(double left_twips, double top_twips) {
    // The logical place is checked as on every desktop; the device place is that times the ratio.
    forms::WindowPositionPixels(left_twips);
    forms::WindowPositionPixels(top_twips);
    const int left = base::RoundToInt32(left_twips / base::kTwipsPerPixel * ratio_);
    const int top = base::RoundToInt32(top_twips / base::kTwipsPerPixel * ratio_);
    placed_ = true;  // a window placed before it is first shown opens there, not centred
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE FormWindow::FrameFor(UINT dpi) const {
    const double ratio = DpiRatio(dpi);
    return FrameSize({DevicePixels(design_size_.cx, ratio), DevicePixels(design_size_.cy, ratio)},
                     kFormStyle, kFormExStyle, dpi);
}

void FormWindow::ApplyDpi(UINT dpi, POINT corner) {
    dpi_ = dpi;
    ratio_ = DpiRatio(dpi);
    client_size_ = {Device(design_size_.cx), Device(design_size_.cy)};
    const SIZE frame = FrameFor(dpi);
    SetWindowPos(window_, nullptr, corner.x, corner.y, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the system draws the frame at another scale than the monitor's (per-monitor
    // awareness of Windows 8.1, which leaves the frame at the system's scale), the frame it has
    // is measured and the window sized once more.
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right != client_size_.cx || client.bottom != client_size_.cy) {
        RECT place{};
        GetWindowRect(window_, &place);
        SetWindowPos(window_, nullptr, 0, 0,
                     place.right - place.left + client_size_.cx - client.right,
                     place.bottom - place.top + client_size_.cy - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LoadPicture();
    for (const auto& label : labels_) {
        label->Relayout();
        UpdateToolRect(*label);
    }
    // A handler may add handlers: run the ones in place now.
    const std::vector<std::function<void()>> handlers = on_ratio_changed_;
    for (const auto& handler : handlers) {
        handler();
    }
    InvalidateRect(window_, nullptr, FALSE);
}

// Above 100 % the picture made for 200 %, which loses least on any scaled screen: unscaled at
// 200 %, else filtered to the size the picture covers at the ratio (at 150 % three quarters of
// it); at 100 % and below the picture made for 100 %.
void FormWindow::LoadPicture() {
    if (picture_ != nullptr && picture_ratio_ == ratio_) {
        return;
    }
    if (picture_ != nullptr) {
        DeleteObject(picture_);
        picture_ = nullptr;
    }
    picture_ratio_ = ratio_;
    const bool fine = ratio_ > 1.0 && picture_ids_.Double != 0;
    const int id = fine ? picture_ids_.Double : picture_ids_.Standard;
    const double made_for = fine ? 2.0 : 1.0;
    HBITMAP picture = id != 0 ? LoadPictureResource(instance_, id) : nullptr;
    if (picture == nullptr || made_for == ratio_) {
        picture_ = picture;
        return;
    }
    BITMAP size{};
    GetObjectW(picture, sizeof(size), &size);
    picture_ =
        ScaledBitmap(picture, {Device(size.bmWidth / made_for), Device(size.bmHeight / made_for)});
    DeleteObject(picture);
}

// A window that lands on a monitor of another scale is made that monitor's size there
// (WM_DPICHANGED), and is centred once more at that size.
void FormWindow::CentreOnWorkArea() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        RECT frame{};
        GetWindowRect(window_, &frame);
        const forms::ScreenPoint corner =
            forms::CentredIn({work.left, work.top, work.right - work.left, work.bottom - work.top},
                             frame.right - frame.left, frame.bottom - frame.top);
        const UINT dpi = dpi_;
        SetWindowPos(window_, nullptr, corner.X, corner.Y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (dpi_ == dpi) {
            return;
        }
    }
}

void FormWindow::Show() {
    if (!placed_) {
        placed_ = true;
        CentreOnWorkArea();
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

void FormWindow::Hide() {
    ShowWindow(window_, SW_HIDE);
}

bool FormWindow::Visible() const {
    return IsWindowVisible(window_) != FALSE;
}

FormLabel& FormWindow::AddLabel(const forms::LabelDesign& design) {
    labels_.push_back(std::make_unique<FormLabel>(*this, design));
    FormLabel& label = *labels_.back();
    InvalidateRect(window_, &label.Bounds(), FALSE);
    return label;
}

// The tooltip control is made when the pointer first moves over the window: no tip can show
// before that, and a start without it makes one window fewer before the window is shown.
void FormWindow::MakeToolTips() {
    if (tool_tips_ != nullptr) {
        return;
    }
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    tool_tips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    if (tool_tips_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const FormLabel& label = *labels_[i];
        if (label.ToolTip().empty()) {
            continue;
        }
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = i + 1;
        tool.rect = label.Visible() ? label.Bounds() : RECT{};
        tool.lpszText = const_cast<LPWSTR>(label.ToolTip().c_str());
        SendMessageW(tool_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void FormWindow::UpdateToolRect(const FormLabel& label) {
    if (label.ToolTip().empty() || tool_tips_ == nullptr) {
        return;
    }
    const auto found = std::ranges::find_if(
        labels_, [&](const std::unique_ptr<FormLabel>& each) { return each.get() == &label; });
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    tool.uId = static_cast<UINT_PTR>(found - labels_.begin()) + 1;
    tool.rect = label.Visible() ? label.Bounds() : RECT{};
    SendMessageW(tool_tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::LabelChanged(const FormLabel& label, const RECT& before) {
    InvalidateRect(window_, &before, FALSE);
    InvalidateRect(window_, &label.Bounds(), FALSE);
    UpdateToolRect(label);
}

void FormWindow::LabelNameChanged(const FormLabel& label) {
    const std::vector<const FormLabel*> listed = ListedLabels();
    const auto found = std::ranges::find(listed, &label);
    if (found != listed.end()) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT,
                       static_cast<LONG>(found - listed.begin()) + 1);
    }
}

std::vector<const FormLabel*> FormWindow::ListedLabels() const {
    std::vector<const FormLabel*> listed;
    for (const auto& label : labels_) {
        if (label->Visible()) {
            listed.push_back(label.get());
        }
    }
    return listed;
}

std::vector<HWND> FormWindow::ListedChildren() const {
    std::vector<HWND> listed;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0) {
            listed.push_back(child);
        }
    }
    return listed;
}

void FormWindow::ClickLater(const FormLabel& label) {
    const auto found = std::ranges::find_if(
        labels_, [&](const std::unique_ptr<FormLabel>& each) { return each.get() == &label; });
    PostMessageW(window_, kClickLabel, static_cast<WPARAM>(found - labels_.begin()), 0);
}

void FormWindow::SetFocusChild(HWND child) {
    focus_child_ = child;
    if (GetActiveWindow() == window_) {
        SetFocus(child);
    }
}

FormLabel* FormWindow::LabelAt(POINT point) {
    // The label added last lies on top.
    for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
        if ((*it)->Visible() && Contains((*it)->Bounds(), point)) {
            return it->get();
        }
    }
    return nullptr;
}

void FormWindow::PaintClient(HDC dc) {
    const RECT client{0, 0, client_size_.cx, client_size_.cy};
    HBRUSH back = CreateSolidBrush(back_colour_);
    FillRect(dc, &client, back);
    DeleteObject(back);
    if (picture_ != nullptr) {
        BITMAP size{};
        GetObjectW(picture_, sizeof(size), &size);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, picture_);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    for (const auto& label : labels_) {
        label->Paint(dc);
    }
}

// Each visible child draws itself into the context at its place, cut to its window region.
void FormWindow::PrintChildren(HDC dc) {
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        // Its own flag: IsWindowVisible would say no for every child of a hidden window.
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&place), 2);
        const int saved = SaveDC(dc);
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(child, clip) == ERROR) {
            SetRectRgn(clip, 0, 0, place.right - place.left, place.bottom - place.top);
        }
        OffsetRgn(clip, place.left, place.top);
        ExtSelectClipRgn(dc, clip, RGN_AND);
        DeleteObject(clip);
        SetViewportOrgEx(dc, place.left, place.top, nullptr);
        SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_CHILDREN);
        RestoreDC(dc, saved);
    }
}

ClientPicture FormWindow::Snapshot() {
    if (!Visible() && focus_child_ != nullptr) {
        // The focus a shown window would give its focus child, told without activating anything.
        SendMessageW(focus_child_, WM_SETFOCUS, 0, 0);
    }
    ClientPicture picture{client_size_.cx, client_size_.cy, {}};
    const BITMAPINFO info = TopDown32BitInfo(picture.Width, picture.Height);
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (canvas == nullptr) {
        DeleteDC(dc);
        return {};
    }
    HGDIOBJ previous = SelectObject(dc, canvas);
    SendMessageW(window_, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    picture.Pixels.assign(pixels, pixels + static_cast<std::size_t>(picture.Width) *
                                               static_cast<std::size_t>(picture.Height));
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
    return picture;
}

void FormWindow::Deliver(const forms::MouseHandler& handler, int button, LPARAM lparam) {
    if (!handler) {
        return;
    }
    // The handler may change or destroy this window: work on a copy.
    const forms::MouseHandler copy = handler;
    copy(button, ShiftMask(),
         static_cast<float>(base::PixelsToTwips(GET_X_LPARAM(lparam) / ratio_)),
         static_cast<float>(base::PixelsToTwips(GET_Y_LPARAM(lparam) / ratio_)));
}

void FormWindow::MouseButton(UINT message, WPARAM wparam, LPARAM lparam) {
    const std::int16_t button = MessageButton(message);
    const bool down =
        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    if (down) {
        if (!pressing_) {
            pressing_ = true;
            pressed_label_ = LabelAt(at);
            SetCapture(window_);
        }
        if (pressed_label_ == nullptr) {
            Deliver(on_down_, button, lparam);
        }
        return;
    }
    FormLabel* const target = pressed_label_;
    const bool last_up = pressing_ && HeldButtons(wparam) == 0;
    if (last_up) {
        pressing_ = false;
        pressed_label_ = nullptr;
        ReleaseCapture();
    }
    if (target == nullptr) {
        Deliver(on_up_, button, lparam);
    } else if (button == base::kLeftButton && LabelAt(at) == target) {
        target->Click();
    }
}

void FormWindow::MouseMove(WPARAM wparam, LPARAM lparam) {
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    const bool over_label = pressing_ ? pressed_label_ != nullptr : LabelAt(at) != nullptr;
    if (!over_label) {
        Deliver(on_move_, HeldButtons(wparam), lparam);
    }
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    FormWindow* form = WindowObject<FormWindow>(window, message, lparam);
    if (form == nullptr || (form->window_ != nullptr && form->window_ != window)) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (form->window_ == nullptr) {
        form->window_ = window;  // messages sent while CreateWindowExW runs
    }
    return form->Handle(message, wparam, lparam);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window_, &paint);
            // Drawn off screen first, so that a label's new text never flickers.
            HDC buffer = CreateCompatibleDC(dc);
            HBITMAP bitmap = CreateCompatibleBitmap(dc, client_size_.cx, client_size_.cy);
            HGDIOBJ previous = SelectObject(buffer, bitmap);
            PaintClient(buffer);
            const RECT& area = paint.rcPaint;
            BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer,
                   area.left, area.top, SRCCOPY);
            SelectObject(buffer, previous);
            DeleteObject(bitmap);
            DeleteDC(buffer);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PRINTCLIENT:
            PaintClient(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_PRINT:
            if ((lparam & PRF_CLIENT) != 0) {
                PaintClient(reinterpret_cast<HDC>(wparam));
            }
            if ((lparam & PRF_CHILDREN) != 0) {
                PrintChildren(reinterpret_cast<HDC>(wparam));
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE && focus_child_ != nullptr) {
                SetFocus(focus_child_);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (focus_child_ != nullptr) {
                SetFocus(focus_child_);
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseButton(message, wparam, lparam);
            return 0;
        case WM_MOUSEMOVE:
            MakeToolTips();
            MouseMove(wparam, lparam);
            return 0;
        case WM_CAPTURECHANGED:
            pressing_ = false;
            pressed_label_ = nullptr;
            return 0;
        case kGetDpiScaledSize: {
            // The frame of the client's exact device size at the new scale.
            *reinterpret_cast<SIZE*>(lparam) = FrameFor(HIWORD(wparam));
            return TRUE;
        }
        case kDpiChanged: {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
            ApplyDpi(HIWORD(wparam), {suggested.left, suggested.top});
            return 0;
        }
        case kClickLabel:
            if (wparam < labels_.size()) {
                labels_[wparam]->Click();
            }
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
                if (accessible_ == nullptr) {
                    accessible_ = new FormAccessible(*this);
                }
                return accessible_->Answer(wparam);
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace tolvane::win32
