#include "forms/win32/form_label.h"

#include <algorithm>
#include <cstdint>

#include "forms/win32/form_window.h"
#include "win32/wide_text.h"

namespace tolvane::win32 {

namespace {

int Length(const std::wstring& text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT32_MAX));
}

COLORREF ToColorRef(gdi::Colour colour) {
    // A system colour (top bit set) shows as the system's window text colour.
    if ((colour & 0x80000000u) != 0) {
        return GetSysColor(COLOR_WINDOWTEXT);
    }
    return gdi::Opaque(colour);  // COLORREF is 0x00BBGGRR too
}

}  // namespace

FormLabel::FormLabel(FormWindow& window, const forms::LabelDesign& design)
    : window_(window),
      design_font_(design.Font),
      design_corner_{design.Left, design.Top},
      text_(design.Text),
      wide_text_(Utf16(design.Text)),
      fore_colour_(design.ForeColour),
      visible_(design.Visible),
      tool_tip_(Utf16(design.ToolTip)) {
    Relayout();
}

void FormLabel::Relayout() {
    font_ = CreateDesignFont(design_font_, GlyphEdges::System, window_.Ratio());
    bounds_.left = window_.Device(design_corner_.x);
    bounds_.top = window_.Device(design_corner_.y);
    Measure();
}

void FormLabel::Measure() {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font_.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide_text_.c_str(), Length(wide_text_), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    bounds_.right = bounds_.left + extent.cx;
    bounds_.bottom = bounds_.top + metrics.tmHeight;
}

void FormLabel::SetText(std::string_view utf8) {
    const RECT before = bounds_;
    text_ = utf8;
    wide_text_ = Utf16(utf8);
    Measure();
    window_.LabelChanged(*this, before);
    if (accessible_name_.empty()) {
        window_.LabelNameChanged(*this);
    }
}

void FormLabel::SetAccessibleName(std::string_view name) {
    if (accessible_name_ == name) {
        return;
    }
    accessible_name_ = name;
    window_.LabelNameChanged(*this);
}

const std::string& FormLabel::AccessibleName() const {
    return accessible_name_.empty() ? text_ : accessible_name_;
}

void FormLabel::SetForeColor(gdi::Colour colour) {
    fore_colour_ = colour;
    window_.LabelChanged(*this, bounds_);
}

void FormLabel::Paint(HDC dc) const {
    if (!visible_ || wide_text_.empty()) {
        return;
    }
    HGDIOBJ previous = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextColor(dc, ToColorRef(fore_colour_));
    TextOutW(dc, bounds_.left, bounds_.top, wide_text_.c_str(), Length(wide_text_));
    SelectObject(dc, previous);
}

void FormLabel::Click() {
    if (on_click_) {
        // The handler may change or destroy this label: work on a copy.
        const std::function<void()> handler = on_click_;
        handler();
    }
}

}  // namespace tolvane::win32
