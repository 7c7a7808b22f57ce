#pragma once

#include <cstdint>

#include "app/gdi/colour.h"
#include "app/gdi/rect.h"
#include "app/gdi/surface.h"
#include "stylerbutton/core/repaint_steps.h"
#include "stylerbutton/core/theme_colours.h"

namespace tolvane::styler {

// The direction of a two-colour fill, with the values FillGradient takes as its mode.
enum class FillDirection : std::int32_t { Horizontal = 0, Vertical = 1 };

// The drawing steps the looks are made of, on the button's surface. Each call is one repaint step:
// one that fails (an area a gradient cannot be drawn with, a coordinate that overflows) is
// skipped and leaves its pixels as they were. Coordinates are the computed floating-point values;
// each step rounds them half to even itself, so a rounding failure stays inside its step.
class LookCanvas {
  public:
    // corner is the ellipse width and height of every outline (the button's RoundedValue).
    LookCanvas(gdi::Surface& surface, gdi::Rect& gradientRect, std::int32_t corner,
               RepaintSteps& steps)
        : surface_(surface), gradient_rect_(gradientRect), corner_(corner), steps_(steps) {}

    // The surface's width and height in pixels, as the looks compute with them.
    double W() const { return surface_.Width(); }
    double H() const { return surface_.Height(); }

    // Sets the background colour, which clears the whole surface to it.
    void BackColour(gdi::Colour colour);
    // Sets the surface's foreground colour: the colour of the outlines drawn after it.
    void PenColour(gdi::Colour colour);
    // SetGradientRect(left, top, right, bottom) and FillGradient from start to end.
    void Fill(FillDirection direction, double left, double top, double right, double bottom,
              gdi::Colour start, gdi::Colour end);
    // DrawGradientFourColour over [left, top, width, height].
    void FourColour(double left, double top, double width, double height, gdi::Colour topLeft,
                    gdi::Colour topRight, gdi::Colour bottomLeft, gdi::Colour bottomRight);
    // RoundRect(x1, y1, x2, y2) in the pen colour with corner ellipses of corner x corner.
    void Outline(double x1, double y1, double x2, double y2);
    // A single white pixel. The coordinates are whole numbers (sums of the surface size and
    // whole offsets), so they reach the pixel unrounded.
    void Dot(double x, double y);

  private:
    gdi::Surface& surface_;
    gdi::Rect& gradient_rect_;
    std::int32_t corner_;
    RepaintSteps& steps_;
};

// Whether a Theme value names one of the three painted themes.
bool IsPaintedTheme(std::int32_t theme);

// Paints the background of a painted theme in one look. Calling it with any other theme value
// paints nothing.
void PaintThemeLook(std::int32_t theme, Look look, LookCanvas& canvas);

void PaintDarkGloss(Look look, LookCanvas& canvas);
void PaintBlueGlass(Look look, LookCanvas& canvas);
void PaintSilver(Look look, LookCanvas& canvas);

// What an enabled button shows over its normal look, chosen from the state flags (16-bit
// booleans, -1 true): the first of hover (pointer over, not pressed), focused (focus, not
// pressed) and pressed that holds, else Normal (nothing over the normal look); and whether the
// focus dots follow it.
struct StateLook {
    Look Over = Look::Normal;
    bool FocusDots = false;
    friend bool operator==(const StateLook&, const StateLook&) = default;
};
StateLook ChooseStateLook(std::int16_t pressed, std::int16_t mouseOver, std::int16_t hasFocus,
                          std::int16_t focusDottedRect);

}  // namespace tolvane::styler
