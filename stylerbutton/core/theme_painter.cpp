#include "stylerbutton/core/theme_painter.h"

#include <algorithm>

#include "gdi/region.h"
#include "gdi/round_rect.h"
#include "base/rounding.h"
#include "stylerbutton/core/button_values.h"
#include "stylerbutton/core/primitives.h"

namespace tolvane::styler {

namespace {

// rnd(x): half to even. Most arguments are whole numbers already (0, 3, W - 4, ...); they skip
// the general rounding, whose library calls are a noticeable part of a repaint.
std::int32_t Rnd(double value) {
    if (value >= -2147483648.0 && value <= 2147483647.0) {
        const auto whole = static_cast<std::int32_t>(value);
        if (static_cast<double>(whole) == value) {
            return whole;
        }
    }
    return base::RoundToInt32(value);
}

// Paints the pixels of outer that are not in inner.
void PaintBand(gdi::Surface& surface, const gdi::Region& outer, const gdi::Region& inner,
               gdi::Colour colour) {
    const auto& holes = inner.Spans();
    auto hole = holes.begin();
    for (const gdi::Region::Span& span : outer.Spans()) {
        while (hole != holes.end() && hole->Y < span.Y) {
            ++hole;
        }
        const DeviceScale::Run row{span.Y, span.Y + 1};
        std::int32_t x = span.XBegin;
        for (auto cut = hole; cut != holes.end() && cut->Y == span.Y; ++cut) {
            FillRuns(surface, {x, std::min(span.XEnd, cut->XBegin)}, row, colour);
            x = std::max(x, cut->XEnd);
        }
        FillRuns(surface, {x, span.XEnd}, row, colour);
    }
}

}  // namespace

void LookCanvas::BackColour(gdi::Colour colour) {
    steps_.Run([&] { surface_.SetBackColor(colour); });
}

void LookCanvas::PenColour(gdi::Colour colour) {
    steps_.Run([&] { surface_.SetForeColor(colour); });
}

void LookCanvas::Fill(FillDirection direction, double left, double top, double right, double bottom,
                      gdi::Colour start, gdi::Colour end) {
    steps_.Run([&] {
        SetGradientRect(gradient_rect_, Rnd(left), Rnd(top), Rnd(right), Rnd(bottom));
        FillGradient(surface_, gradient_rect_, static_cast<std::int32_t>(direction), start, end);
    });
}

void LookCanvas::FourColour(double left, double top, double width, double height,
                            gdi::Colour topLeft, gdi::Colour topRight, gdi::Colour bottomLeft,
                            gdi::Colour bottomRight) {
    steps_.Run([&] {
        if (scale_.Ratio() == 1.0) {
            DrawGradientFourColour(surface_, Rnd(left), Rnd(top), Rnd(width), Rnd(height),
                                   topLeft, topRight, bottomLeft, bottomRight);
            return;
        }
        // Scaled, an area ends where its far edge rounds to, so that areas laid side by side at
        // the proportions (the glow strip's quarters) meet without a column between them,
        // whichever way their halves round.
        const std::int32_t x = Rnd(left);
        const std::int32_t y = Rnd(top);
        DrawGradientFourColour(surface_, x, y, Rnd(left + width) - x, Rnd(top + height) - y,
                               topLeft, topRight, bottomLeft, bottomRight);
    });
}

void LookCanvas::Outline(std::int32_t inset) {
    steps_.Run([&] {
        const std::int32_t width = scale_.BoxExtent(surface_.Width());
        const std::int32_t height = scale_.BoxExtent(surface_.Height());
        const std::int32_t corner = scale_.Whole(corner_);
        const std::int32_t first = scale_.Whole(inset);
        const std::int32_t end = std::max(first + 1, scale_.Whole(inset + 1.0));
        if (end - first == 1) {
            gdi::RoundRect(surface_, first, first, width - 1 - first, height - 1 - first, corner,
                           corner);
            return;
        }
        // A line of several device pixels: the rings from `first` to `end` drawn one by one
        // would leave pixels out where their arcs step, so the band between the outer edge of
        // the first ring and the outer edge of the ring after the last is filled instead.
        const std::int32_t inner_corner = std::max(0, corner - 2 * (end - first));
        const gdi::Region outer = gdi::CreateRoundRectRgn(first, first, width - first,
                                                          height - first, std::max(0, corner - 1),
                                                          std::max(0, corner - 1));
        const gdi::Region inner = gdi::CreateRoundRectRgn(
            end, end, width - end, height - end, std::max(0, inner_corner - 1),
            std::max(0, inner_corner - 1));
        PaintBand(surface_, outer, inner, surface_.ForeColor());
    });
}

void LookCanvas::Dot(DeviceScale::Run x, DeviceScale::Run y) {
    steps_.Run([&] { FillRuns(surface_, x, y, gdi::Rgb(255, 255, 255)); });
}

bool IsPaintedTheme(std::int32_t theme) {
    return theme == ThemeDarkGloss || theme == ThemeBlueGlass || theme == ThemeSilver;
}

void PaintThemeLook(std::int32_t theme, Look look, LookCanvas& canvas) {
    switch (theme) {
        case ThemeDarkGloss:
            PaintDarkGloss(look, canvas);
            break;
        case ThemeBlueGlass:
            PaintBlueGlass(look, canvas);
            break;
        case ThemeSilver:
            PaintSilver(look, canvas);
            break;
        default:
            break;
    }
}

StateLook ChooseStateLook(std::int16_t pressed, std::int16_t mouseOver, std::int16_t hasFocus,
                          std::int16_t focusDottedRect) {
    // Pressing wins over hovering and hovering over focus; a hovered button never shows the
    // focus frame, a pressed one shows it while it has the focus.
    if (mouseOver == BoolTrue && pressed == BoolFalse) {
        return {Look::Hover, false};
    }
    if (hasFocus == BoolTrue && pressed == BoolFalse) {
        return {Look::Focused, focusDottedRect == BoolTrue};
    }
    if (pressed == BoolTrue) {
        return {Look::Pressed, hasFocus == BoolTrue && focusDottedRect == BoolTrue};
    }
    return {Look::Normal, false};
}

}  // namespace tolvane::styler
