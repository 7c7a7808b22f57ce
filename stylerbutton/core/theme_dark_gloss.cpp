#include "stylerbutton/core/theme_colours.h"
#include "stylerbutton/core/theme_painter.h"

namespace tolvane::styler {

namespace {

// The top half, the dark middle band down to two thirds of the height, and the glow strip over
// the bottom third in four tiles. Tiles 3 and 4 start one pixel left of the half and
// three-quarter marks, so the last column or two of the strip keep what the surface held.
void PaintEnabledLook(const DarkGlossLook& c, LookCanvas& canvas) {
    const double w = canvas.W();
    const double h = canvas.H();
    canvas.Fill(FillDirection::Vertical, 0, 0, w, h / 2, c.A1, c.A2);
    canvas.Fill(FillDirection::Vertical, 0, h / 2, w, h - h / 3, c.B1, c.B2);
    const double top = h - h / 3;
    const double width = w / 4;
    const double height = h / 3;
    canvas.FourColour(0, top, width, height, c.G0, c.G0, c.G2, c.G1);
    canvas.FourColour(w / 4, top, width, height, c.G0, c.G0, c.G1, c.G1);
    canvas.FourColour(w - w / 2 - canvas.Px(1), top, width, height, c.G0, c.G0, c.G1, c.G1);
    canvas.FourColour(w - w / 4 - canvas.Px(1), top, width, height, c.G0, c.G0, c.G1, c.G2);
}

void PaintDisabledLook(const DarkGlossDisabledLook& c, LookCanvas& canvas) {
    const double w = canvas.W();
    const double h = canvas.H();
    canvas.Fill(FillDirection::Vertical, 0, 0, w, h / 2, c.TopHalfTop, c.TopHalfBottom);
    canvas.Fill(FillDirection::Vertical, 0, h / 2, w, h, c.LowerHalfTop, c.LowerHalfBottom);
}

}  // namespace

// No outline: the rounded window region alone gives the shape.
void PaintDarkGloss(Look look, LookCanvas& canvas) {
    if (look == Look::Disabled) {
        PaintDisabledLook(kDarkGlossDisabled, canvas);
    } else {
        PaintEnabledLook(kDarkGlossLooks[look], canvas);
    }
}

}  // namespace tolvane::styler
