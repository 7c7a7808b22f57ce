#pragma once

#include <cstdint>

namespace tolvane::gdi {

// The corners the Windows rasteriser gives a rounded rectangle, shared by the RoundRect outline
// and the CreateRoundRectRgn region so that the two always agree.
//
// For a box of boxWidth x boxHeight pixels and a corner ellipse of ellipseWidth x ellipseHeight,
// Inset(row) is how many pixels row `row` of the box loses at each end. A pixel stays when its
// centre lies inside the ellipse through the corner pixels' centres widened by 0.4 pixel; the
// widening is what reproduces the Windows corners of the small ellipses:
//     ellipse 0 to 2   square corners        insets by row: -
//     ellipse 3 to 5   one pixel cut          1
//     ellipse 6 to 8   three pixels cut       2, 1
//     ellipse 9        five pixels cut        3, 1, 1
//     ellipse 10, 11   six pixels cut         3, 2, 1
// Larger ellipses give a symmetric quarter-ellipse. Negative ellipse sizes count by their
// magnitude; an ellipse is clamped to the box and to kMaxEllipse.
class RoundedCorners {
  public:
    static constexpr std::int64_t kMaxEllipse = std::int64_t{1} << 24;

    RoundedCorners(std::int64_t boxWidth, std::int64_t boxHeight, std::int64_t ellipseWidth,
                   std::int64_t ellipseHeight);

    std::int64_t BoxWidth() const { return box_width_; }
    std::int64_t BoxHeight() const { return box_height_; }

    // Pixels cut at each end of the row; a row outside the box counts as wholly cut (BoxWidth).
    std::int64_t Inset(std::int64_t row) const;

  private:
    bool IsInside(std::int64_t column, std::int64_t cornerRow) const;

    std::int64_t box_width_;
    std::int64_t box_height_;
    std::int64_t ellipse_width_;
    std::int64_t ellipse_height_;
};

}  // namespace tolvane::gdi
