#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/rounding.h"

namespace tolvane::styler {

// How the button's design, made in logical pixels, lands on a screen with more (or fewer) device
// pixels per logical pixel. The button paints in device pixels, and the picture at ratio 2 is the
// picture at ratio 1 drawn at twice the resolution:
// - the surface is the logical size times the ratio, rounded half to even;
// - proportions (half the height, a quarter of the width) follow the device size by themselves;
// - every fixed distance of a look (an inset, a strip's width, the caption's margins, the icon's
//   margin, the focus dots' places) is that many logical pixels times the ratio;
// - every one-pixel detail (an outline ring, a focus dot, a white corner dot) covers the device
//   pixels its logical pixel covers, counted from the edge it is placed from: at ratio 2 two by
//   two, at ratio 1.5 alternately two and one; the corner ellipses are the rounding times the
//   ratio.
// At ratio 1 every figure is exactly the logical one.
class DeviceScale {
  public:
    // A ratio that is not a positive finite number counts as 1.
    explicit DeviceScale(double ratio = 1.0)
        : ratio_(std::isfinite(ratio) && ratio > 0.0 ? ratio : 1.0) {}

    double Ratio() const { return ratio_; }
    // A distance of the design in device pixels, unrounded: each drawing step rounds it.
    double Px(double logical) const { return logical * ratio_; }
    // A whole logical size or distance in device pixels.
    std::int32_t Whole(double logical) const { return base::RoundToInt32(logical * ratio_); }
    // The thickness of a one-pixel line where a single figure is needed (the caption effects'
    // shifts): the ratio rounded, at least 1.
    std::int32_t Unit() const { return std::max<std::int32_t>(1, Whole(1.0)); }

    // The outline box and the shape of a surface `size` device pixels long end, as the drawing
    // calls count, `size` pixels from their start: those calls leave the last pixel outside.
    // Scaled, the whole last logical pixel stays outside, so the box ends that much earlier.
    std::int32_t BoxExtent(std::int32_t size) const { return size - Whole(1.0) + 1; }

    // Device pixels Begin <= p < End; those FromNear and FromFar give are never empty.
    struct Run {
        std::int32_t Begin = 0;
        std::int32_t End = 0;
    };
    // The device pixels of logical pixel `logical`, counted from the near edge (left or top).
    Run FromNear(std::int32_t logical) const {
        const std::int32_t begin = Whole(logical);
        return {begin, std::max(begin + 1, Whole(logical + 1.0))};
    }
    // The device pixels of the logical pixel `back` pixels before the far edge (right or bottom)
    // of a surface `size` device pixels long: back 1 is the last pixel.
    Run FromFar(std::int32_t size, std::int32_t back) const {
        const std::int32_t end = size - Whole(back - 1.0);
        return {std::min(end - 1, size - Whole(back)), end};
    }

  private:
    double ratio_;
};

}  // namespace tolvane::styler
