#include "stylerbutton/core/theme_colours.h"
#include "stylerbutton/core/theme_painter.h"

namespace tolvane::styler {

namespace {

// Four four-corner quadrants, the right half mirroring the left; the side strips (2 pixels wide
// at the left, 3 at the right), the bottom three rows and row 1, each in two halves; the outline.
void PaintEnabledLook(const SilverLook& c, LookCanvas& canvas) {
    const double w = canvas.W();
    const double h = canvas.H();
    const double middle = h / 2 - canvas.Px(1);  // where the lower quadrants and strips begin
    const double one = canvas.Px(1);
    const double two = canvas.Px(2);
    const double three = canvas.Px(3);

    canvas.FourColour(one, one, w / 2, middle, c.Q1TL, c.Q1TR, c.Q1BL, c.Q1BR);
    canvas.FourColour(one, middle, w / 2, middle, c.Q2TL, c.Q2TR, c.Q2BL, c.Q2BR);
    canvas.FourColour(w / 2, one, w / 2, middle, c.Q1TR, c.Q1TL, c.Q1BR, c.Q1BL);
    canvas.FourColour(w / 2, middle, w / 2, middle, c.Q2TR, c.Q2TL, c.Q2BR, c.Q2BL);

    constexpr auto kVertical = FillDirection::Vertical;
    constexpr auto kHorizontal = FillDirection::Horizontal;
    canvas.Fill(kVertical, 0, 0, two, middle, c.S1, c.S2);
    canvas.Fill(kVertical, 0, middle, two, h, c.S3, c.S4);
    canvas.Fill(kVertical, w - three, 0, w, middle, c.S1, c.S2);
    canvas.Fill(kVertical, w - three, middle, w, h, c.S3, c.S4);
    canvas.Fill(kHorizontal, 0, h - three, w / 2, h, c.E1, c.E2);
    canvas.Fill(kHorizontal, w / 2, h - three, w, h, c.E2, c.E1);
    canvas.Fill(kHorizontal, 0, one, w / 2, two, c.E1, c.E2);
    canvas.Fill(kHorizontal, w / 2, one, w, two, c.E2, c.E1);

    canvas.PenColour(c.O);
    canvas.Outline(0);
}

void PaintDisabledLook(const SilverDisabledLook& c, LookCanvas& canvas) {
    const double w = canvas.W();
    const double h = canvas.H();
    canvas.Fill(FillDirection::Vertical, 0, 0, w, h, c.Fill, c.Fill);
    canvas.PenColour(c.Outline);
    canvas.Outline(0);
    canvas.PenColour(c.InnerOutline);
    canvas.Outline(1);
}

}  // namespace

void PaintSilver(Look look, LookCanvas& canvas) {
    if (look == Look::Disabled) {
        PaintDisabledLook(kSilverDisabled, canvas);
    } else {
        PaintEnabledLook(kSilverLooks[look], canvas);
    }
}

}  // namespace tolvane::styler
