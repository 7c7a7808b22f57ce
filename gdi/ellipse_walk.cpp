#include "gdi/ellipse_walk.h"

namespace tolvane::gdi {

// The error starts as the ellipse equation's value at the first pixel, scaled to integers; an odd
// b puts the centre between two rows, which the b % 2 terms account for. For ellipses of up to
// kMaxEllipse pixels every figure stays below 2^56.
EllipseWalk::EllipseWalk(std::int64_t width, std::int64_t height)
    : column_growth_(8 * (height - 1) * (height - 1)),
      row_growth_(8 * (width - 1) * (width - 1)),
      column_change_(4 * (height - 1) * (height - 1) * (2 - width)),
      row_change_(4 * (width - 1) * (width - 1) * (1 + (height - 1) % 2)),
      error_(column_change_ + row_change_ + (width - 1) * (width - 1) * ((height - 1) % 2)),
      row_(height / 2) {}

// Both tests read the error as it was before the step: a diagonal step is a column step and a
// row step taken together.
void EllipseWalk::Step() {
    const std::int64_t twice = 2 * error_;
    if (twice >= column_change_) {
        ++inset_;
        column_change_ += column_growth_;
        error_ += column_change_;
    }
    if (twice <= row_change_) {
        ++row_;
        row_change_ += row_growth_;
        error_ += row_change_;
    }
}

}  // namespace tolvane::gdi
