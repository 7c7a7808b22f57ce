#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <windows.h>

#include "forms/forms_platform.h"
#include "win32/design_font.h"

namespace tolvane::win32 {

class FormWindow;

// A label of the form with no window of its own, so that it is transparent over the form's
// picture at no cost: the form paints it over its background (only the glyphs are drawn), finds
// it under the pointer and shows its tooltip. It is sized to its text (the advance width and the
// font's cell height), keeping its top-left corner; its place and font are the design's times the
// window's device pixel ratio.
class FormLabel final : public forms::Label {
  public:
    FormLabel(FormWindow& window, const forms::LabelDesign& design);

    std::string Text() const override { return text_; }
    void SetText(std::string_view utf8) override;
    gdi::Colour ForeColor() const override { return fore_colour_; }
    void SetForeColor(gdi::Colour colour) override;
    // The form's accessible object reads it (forms/win32/form_accessible.h).
    void SetAccessibleName(std::string_view name) override;
    void OnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }

    // For the form: where the label lies in the client area (device pixels), whether it shows,
    // its tooltip, the name assistive technology reads (its text unless one was set).
    const RECT& Bounds() const { return bounds_; }
    bool Visible() const { return visible_; }
    const std::wstring& ToolTip() const { return tool_tip_; }
    const std::string& AccessibleName() const;
    void Paint(HDC dc) const;
    // Whether a click does something, and the click.
    bool Clickable() const { return static_cast<bool>(on_click_); }
    void Click();
    // Lays the label out again at the window's ratio now.
    void Relayout();

  private:
    void Measure();

    FormWindow& window_;
    gdi::Font design_font_;
    POINT design_corner_;
    std::string text_;
    std::string accessible_name_;
    std::wstring wide_text_;
    gdi::Colour fore_colour_;
    FontHandle font_;
    RECT bounds_{};
    bool visible_;
    std::wstring tool_tip_;
    std::function<void()> on_click_;
};

}  // namespace tolvane::win32
