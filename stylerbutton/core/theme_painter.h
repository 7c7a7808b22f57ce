#pragma once

#include <cstdint>

#include "gdi/colour.h"
#include "gdi/rect.h"
#include "gdi/surface.h"
#include "stylerbutton/core/device_scale.h"
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
    // corner is the ellipse width and height of every outline (the button's RoundedValue) in
    // logical pixels; scale maps the design onto the surface's device pixels.
    LookCanvas(gdi::Surface& surface, gdi::Rect& gradientRect, std::int32_t corner,
               const DeviceScale& scale, RepaintSteps& steps)
        : surface_(surface),
          gradient_rect_(gradientRect),
          corner_(corner),
          scale_(scale),
          steps_(steps) {}

    // The surface's width and height in device pixels, as the looks compute with them.
    double W() const { return surface_.Width(); }
    double H() const { return surface_.Height(); }
    // A fixed distance of a look, given in logical pixels, in device pixels.
    double Px(double logical) const { return scale_.Px(logical); }

    // Sets the background colour, which clears the whole surface to it.
    void BackColour(gdi::Colour colour);
    // Sets the surface's foreground colour: the colour of the outlines drawn after it.
    void PenColour(gdi::Colour colour);
    // SetGradientRect(left, top, right, bottom) and FillGradient from start to end.
    void Fill(FillDirection direction, double left, double top, double right, double bottom,
              gdi::Colour start, gdi::Colour end);
    // DrawGradientFourColour over [left, top, width, height]; scaled, the area runs from the
    // rounded left and top to the rounded right and bottom edges.
    void FourColour(double left, double top, double width, double height, gdi::Colour topLeft,
                    gdi::Colour topRight, gdi::Colour bottomLeft, gdi::Colour bottomRight);
    // The outline `inset` logical pixels inside the surface's edge, in the pen colour: at ratio 1
    // RoundRect(inset, inset, W - 1 - inset, H - 1 - inset) with corner ellipses of corner x
    // corner. Scaled, the logical ring becomes the device rings it covers, each one pixel further
    // in with a corner ellipse two pixels smaller, so that the line is as thick as one logical
    // pixel and its corners stay concentric.
    void Outline(std::int32_t inset);
    // A white dot on one logical pixel, given by its device pixels (Near and Far below); at
    // ratio 1 a single pixel.
    void Dot(DeviceScale::Run x, DeviceScale::Run y);
    // The device pixels of the logical pixel `logical` from the left or top edge, and of the one
    // `back` pixels before the right (FarX) or bottom (FarY) edge: FarX(5) is column W - 5.
    DeviceScale::Run Near(std::int32_t logical) const { return scale_.FromNear(logical); }
    DeviceScale::Run FarX(std::int32_t back) const {
        return scale_.FromFar(surface_.Width(), back);
    }
    DeviceScale::Run FarY(std::int32_t back) const {
        return scale_.FromFar(surface_.Height(), back);
    }

  private:
    gdi::Surface& surface_;
    gdi::Rect& gradient_rect_;
    std::int32_t corner_;
    DeviceScale scale_;
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
