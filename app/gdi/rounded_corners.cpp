#include "app/gdi/rounded_corners.h"

#include <algorithm>

namespace tolvane::gdi {

namespace {

// The ellipse test squares values of up to 2^105; GCC's 128-bit integer keeps it exact.
__extension__ using Int128 = __int128;

std::int64_t Magnitude(std::int64_t value) {
    return value < 0 ? -value : value;
}

}  // namespace

RoundedCorners::RoundedCorners(std::int64_t boxWidth, std::int64_t boxHeight,
                               std::int64_t ellipseWidth, std::int64_t ellipseHeight)
    : box_width_(std::max<std::int64_t>(boxWidth, 0)),
      box_height_(std::max<std::int64_t>(boxHeight, 0)),
      ellipse_width_(std::min({Magnitude(ellipseWidth), box_width_, kMaxEllipse})),
      ellipse_height_(std::min({Magnitude(ellipseHeight), box_height_, kMaxEllipse})) {}

// With doubled offsets from the ellipse centre X = 2c - (w - 1), Y = 2r - (h - 1) and doubled
// radii w - 0.2 and h - 0.2, the centre is inside when X^2/(w - 0.2)^2 + Y^2/(h - 0.2)^2 <= 1.
// Scaled by 5 the radii become A = 5w - 1 and B = 5h - 1: 25 X^2 B^2 + 25 Y^2 A^2 <= A^2 B^2.
// The right side is never a multiple of 5, so no centre lies exactly on the curve.
bool RoundedCorners::IsInside(std::int64_t column, std::int64_t cornerRow) const {
    const Int128 x = 2 * column - (ellipse_width_ - 1);
    const Int128 y = 2 * cornerRow - (ellipse_height_ - 1);
    const Int128 a = 5 * ellipse_width_ - 1;
    const Int128 b = 5 * ellipse_height_ - 1;
    return 25 * x * x * b * b + 25 * y * y * a * a <= a * a * b * b;
}

std::int64_t RoundedCorners::Inset(std::int64_t row) const {
    if (row < 0 || row >= box_height_) {
        return box_width_;
    }
    const std::int64_t cornerRow = std::min(row, box_height_ - 1 - row);
    if (ellipse_width_ == 0 || 2 * cornerRow >= ellipse_height_ - 1) {
        return 0;  // below the corner ellipse's centre line: the straight side
    }
    // The first column inside the ellipse. Left of the centre, inside-ness grows towards it;
    // columns from the centre on belong to the straight edge and are never cut.
    std::int64_t outside = -1;
    std::int64_t inside = ellipse_width_ / 2;
    while (inside - outside > 1) {
        const std::int64_t middle = outside + (inside - outside) / 2;
        (IsInside(middle, cornerRow) ? inside : outside) = middle;
    }
    return inside;
}

}  // namespace tolvane::gdi
