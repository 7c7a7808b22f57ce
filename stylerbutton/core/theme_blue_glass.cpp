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
    canvas.BackColour(kBlueGlassWhite);
    canvas.Fill(FillDirection::Vertical, 3, 3, w - 4, h / 2 - 1, c.UpperBandTop, c.UpperBandBottom);
    canvas.Fill(FillDirection::Vertical, 3, h / 2 - 1, w - 4, h - 4, c.LowerBandTop,
                c.LowerBandBottom);
    canvas.PenColour(kBlueGlassOutline);
    canvas.Outline(0, 0, w - 1, h - 1);
    canvas.PenColour(kBlueGlassWhite);
    canvas.Outline(1, 1, w - 2, h - 2);
    canvas.Outline(2, 2, w - 3, h - 3);
    canvas.Dot(3, h - 5);
    canvas.Dot(3, 3);
    canvas.Dot(w - 5, h - 5);
    canvas.Dot(w - 5, 3);
}

}  // namespace tolvane::styler
