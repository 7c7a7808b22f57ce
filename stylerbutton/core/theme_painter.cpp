#include "stylerbutton/core/theme_painter.h"

#include "app/gdi/round_rect.h"
#include "app/runtime/rounding.h"
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
    return runtime::RoundToInt32(value);
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
        DrawGradientFourColour(surface_, Rnd(left), Rnd(top), Rnd(width), Rnd(height), topLeft,
                               topRight, bottomLeft, bottomRight);
    });
}

void LookCanvas::Outline(double x1, double y1, double x2, double y2) {
    steps_.Run(
        [&] { gdi::RoundRect(surface_, Rnd(x1), Rnd(y1), Rnd(x2), Rnd(y2), corner_, corner_); });
}

void LookCanvas::Dot(double x, double y) {
    steps_.Run([&] { surface_.PSet(Rnd(x), Rnd(y), gdi::Rgb(255, 255, 255)); });
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
