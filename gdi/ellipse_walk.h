#pragma once

#include <cstdint>

namespace tolvane::gdi {

// The walk along a quarter ellipse that the Windows rasteriser makes for the corners of a rounded
// rectangle (Alois Zingl's integer ellipse algorithm): RoundRect plots the pixels it visits and
// CreateRoundRectRgn cuts its rows where it enters them, so both follow the same curve.
//
// For an ellipse of width x height pixels (both at least 2) the walk traces the lower right
// quarter: it starts on the ellipse's middle row (height / 2, rows counted from the ellipse's top)
// in its last column, and each Step moves one column in, one row down, or both, whichever keeps
// the error term of the ellipse equation smallest. Inset() is how many columns the current pixel
// lies left of the last one. The walk's arithmetic is exact for ellipses of up to kMaxEllipse
// pixels, which callers clamp to. (Wine squares the width in 32 bits, so past 46,340 pixels its
// corners are no reference.)
class EllipseWalk {
  public:
    static constexpr std::int64_t kMaxEllipse = std::int64_t{1} << 16;

    EllipseWalk(std::int64_t width, std::int64_t height);

    std::int64_t Inset() const { return inset_; }
    std::int64_t Row() const { return row_; }
    void Step();

  private:
    // With a = width - 1 and b = height - 1: the growth of the column and row changes per step
    // (8b^2, 8a^2), the changes the next column and row step add to the error, and the error.
    std::int64_t column_growth_;
    std::int64_t row_growth_;
    std::int64_t column_change_;
    std::int64_t row_change_;
    std::int64_t error_;
    std::int64_t inset_ = 0;
    std::int64_t row_;
};

}  // namespace tolvane::gdi
