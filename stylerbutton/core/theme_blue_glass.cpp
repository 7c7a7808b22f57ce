#include "stylerbutton/core/theme_colours.h"
#include "stylerbutton/core/theme_painter.h"

namespace tolvane::styler {

// Every look, the disabled one included, is the same picture in its own band colours: a white
// ground (setting it clears the surface), two vertical bands meeting at rnd(H/2 - 1), a blue
// outer outline, two white inner outlines and white dots on the four corner pixels of the bands.
void PaintBlueGlass(Look look, LookCanvas& canvas) {
    const BlueGlassLook& c = kBlueGlassLooks[look];
    const double w = canvas.W();
    const double h = canvas.H();
    const double inner = canvas.Px(3);  // where the bands and the dots begin
    const double middle = h / 2 - canvas.Px(1);
    canvas.BackColour(kBlueGlassWhite);
    canvas.Fill(FillDirection::Vertical, inner, inner, w - canvas.Px(4), middle, c.UpperBandTop,
                c.UpperBandBottom);
    canvas.Fill(FillDirection::Vertical, inner, middle, w - canvas.Px(4), h - canvas.Px(4),
                c.LowerBandTop, c.LowerBandBottom);
    canvas.PenColour(kBlueGlassOutline);
    canvas.Outline(0);
    canvas.PenColour(kBlueGlassWhite);
    canvas.Outline(1);
    canvas.Outline(2);
    canvas.Dot(canvas.Near(3), canvas.FarY(5));
    canvas.Dot(canvas.Near(3), canvas.Near(3));
    canvas.Dot(canvas.FarX(5), canvas.FarY(5));
    canvas.Dot(canvas.FarX(5), canvas.Near(3));
}

}  // namespace tolvane::styler
