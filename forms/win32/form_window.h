#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <windows.h>

#include "forms/forms_platform.h"
#include "forms/win32/form_accessible.h"
#include "forms/win32/form_label.h"
#include "win32/dib.h"
#include "win32/dpi.h"

namespace tolvane::win32 {

// The background pictures of a window: the RCDATA resources of the picture made for 100 % and of
// the one made for 200 % (0 for none).
struct BackgroundPictures {
    int Standard = 0;
    int Double = 0;
};

// The form's window: a fixed single-line frame with a title and no title-bar buttons (no system
// menu), owned by a hidden window so that it has no taskbar entry, a client area of the design's
// size, the background colour with the picture drawn over it from the top-left corner, and the
// labels drawn on it. The first Show centres it on the work area of its monitor unless Move
// placed it before.
//
// The design is in logical pixels; the window draws in its monitor's device pixels (per-monitor
// DPI awareness): the client area, the labels' places and fonts and the button are the design's
// times the ratio, and the picture is the one for 200 % above 100 % (drawn unscaled at 200 %,
// filtered to the client's size at any other ratio), else the one for 100 %. WM_DPICHANGED (a
// move to a monitor of another scale) lays everything out again at the new ratio. Positions and
// pointer points go to the handlers in twips of the logical window.
//
// Mouse input on the client area goes to the label under the pointer, else to the three
// handlers; the target of a press keeps the pointer (and every move and release) until the last
// button is up, as a drag needs. A label takes every event over it and clicks on a left press
// and release over it. Activating the window gives the keyboard focus to its focus child.
// Closing it by the system (Alt+F4) ends the message loop.
class FormWindow final : public forms::Window {
  public:
    FormWindow(HINSTANCE instance, const forms::WindowDesign& design, BackgroundPictures pictures);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    double Left() const override;
    double Top() const override;
    void Move(double left_twips, double top_twips) override;
    void Show() override;
    void Hide() override;
    bool Visible() const override;
    void OnMouseDown(forms::MouseHandler handler) override { on_down_ = std::move(handler); }
    void OnMouseMove(forms::MouseHandler handler) override { on_move_ = std::move(handler); }
    void OnMouseUp(forms::MouseHandler handler) override { on_up_ = std::move(handler); }

    HWND Handle() const { return window_; }
    // Device pixels per logical pixel now, and a logical length in whole device pixels.
    double Ratio() const { return ratio_; }
    int Device(double logical) const;
    // Called after the window was laid out at a new ratio (its children are not moved by it).
    void OnRatioChanged(std::function<void()> handler);
    FormLabel& AddLabel(const forms::LabelDesign& design);
    // The child window that takes the keyboard focus when this window is activated; given it at
    // once when the window is active.
    void SetFocusChild(HWND child);
    // Called by a label whose text, size or colour changed; before is where it lay.
    void LabelChanged(const FormLabel& label, const RECT& before);
    // Called by a label whose accessible name changed: tells assistive technology.
    void LabelNameChanged(const FormLabel& label);

    // What the accessible object (forms/win32/form_accessible.h) lists: the visible labels in
    // the order they were added, then the visible child windows in their z-order.
    std::vector<const FormLabel*> ListedLabels() const;
    std::vector<HWND> ListedChildren() const;
    // Clicks the label once the message that asks for it is handled: a client's default action
    // returns before the click runs.
    void ClickLater(const FormLabel& label);

    // The client area as it is drawn now, labels and child windows included, whether or not the
    // window is shown. A hidden window is drawn as it opens: its focus child is told it has the
    // focus first.
    ClientPicture Snapshot();

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void PaintClient(HDC dc);
    void PrintChildren(HDC dc);
    void CentreOnWorkArea();
    // Lays the window out at dpi, its frame's top-left corner at `corner`.
    void ApplyDpi(UINT dpi, POINT corner);
    SIZE FrameFor(UINT dpi) const;
    void LoadPicture();
    FormLabel* LabelAt(POINT point);
    void MouseButton(UINT message, WPARAM wparam, LPARAM lparam);
    void MouseMove(WPARAM wparam, LPARAM lparam);
    void Deliver(const forms::MouseHandler& handler, int button, LPARAM lparam);
    void MakeToolTips();
    void UpdateToolRect(const FormLabel& label);

    HINSTANCE instance_;
    SIZE design_size_;
    SIZE client_size_;  // in device pixels
    UINT dpi_ = kDefaultDpi;
    double ratio_ = 1.0;
    COLORREF back_colour_;
    BackgroundPictures picture_ids_;
    // The picture as drawn at the ratio now: the client's size, or its own at 200 % or 100 %.
    HBITMAP picture_ = nullptr;
    double picture_ratio_ = 0.0;
    std::vector<std::function<void()>> on_ratio_changed_;
    FormAccessible* accessible_ = nullptr;  // made at the first WM_GETOBJECT
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND tool_tips_ = nullptr;
    HWND focus_child_ = nullptr;
    std::vector<std::unique_ptr<FormLabel>> labels_;
    bool placed_ = false;
    // Where the buttons held now were pressed: a label, or the bare surface (nullptr).
    bool pressing_ = false;
    FormLabel* pressed_label_ = nullptr;
    forms::MouseHandler on_down_;
    forms::MouseHandler on_move_;
    forms::MouseHandler on_up_;
};

}  // namespace tolvane::win32
