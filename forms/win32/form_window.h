#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <windows.h>

#include "forms/forms_platform.h"
#include "forms/win32/form_label.h"
#include "win32/dib.h"

namespace tolvane::win32 {

// The form's window: a fixed single-line frame with a title and no title-bar buttons (no system
// menu), owned by a hidden window so that it has no taskbar entry, a client area of the design's
// size, the background colour with the picture drawn over it unscaled from the top-left corner,
// and the labels drawn on it. The first Show centres it on the work area of its monitor unless
// Move placed it before.
//
// Mouse input on the client area goes to the label under the pointer, else to the three
// handlers; the target of a press keeps the pointer (and every move and release) until the last
// button is up, as a drag needs. A label takes every event over it and clicks on a left press
// and release over it. Activating the window gives the keyboard focus to its focus child.
// Closing it by the system (Alt+F4) ends the message loop.
class FormWindow final : public forms::Window {
  public:
    // picture is a bitmap the window takes over, or nullptr for none.
    FormWindow(HINSTANCE instance, const forms::WindowDesign& design, HBITMAP picture);
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
    FormLabel& AddLabel(const forms::LabelDesign& design);
    // The child window that takes the keyboard focus when this window is activated; given it at
    // once when the window is active.
    void SetFocusChild(HWND child);
    // Called by a label whose text, size or colour changed; before is where it lay.
    void LabelChanged(const FormLabel& label, const RECT& before);

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
    FormLabel* LabelAt(POINT point);
    void MouseButton(UINT message, WPARAM wparam, LPARAM lparam);
    void MouseMove(WPARAM wparam, LPARAM lparam);
    void Deliver(const forms::MouseHandler& handler, int button, LPARAM lparam);
    void MakeToolTips();
    void UpdateToolRect(const FormLabel& label);

    SIZE client_size_;
    COLORREF back_colour_;
    HBITMAP picture_;
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
