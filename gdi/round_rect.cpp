#include "gdi/round_rect.h"

#include <algorithm>

#include "gdi/drawing_observer.h"
#include "gdi/ellipse_walk.h"
#include "gdi/pixel_run.h"

namespace tolvane::gdi {

namespace {

std::int64_t Magnitude(std::int32_t value) {
    return value < 0 ? -std::int64_t{value} : value;
}

// Sets pixels of the pen's colour, clipped to the surface.
class Pen {
  public:
    explicit Pen(Surface& surface) : surface_(surface), colour_(Opaque(surface.ForeColor())) {}

    // Columns first .. last of row y, both included.
    void Row(std::int64_t y, std::int64_t first, std::int64_t last) {
        const PixelRun run = ClippedRun(first, last + 1, surface_.Width());
        if (y >= 0 && y < surface_.Height() && !run.IsEmpty()) {
            const auto row = surface_.Row(static_cast<int>(y));
            std::fill(row.begin() + run.Begin, row.begin() + run.End, colour_);
        }
    }
    // Rows first .. last of column x, both included.
    void Column(std::int64_t x, std::int64_t first, std::int64_t last) {
        const PixelRun run = ClippedRun(first, last + 1, surface_.Height());
        for (std::int64_t y = run.Begin; y < run.End; ++y) {
            Row(y, x, x);
        }
    }

  private:
    Surface& surface_;
    Colour colour_;
};

}  // namespace

// Windows draws the outline as a closed polygon of one-pixel lines, each line taking its first
// pixel and leaving out its last: for small ellipses the four corners of the box, otherwise the
// pixels of the four corner walks joined by the straight sides. Every vertex is thus drawn, and
// the outline is their union with the sides; only a polygon whose lines all have no length, the
// box of one pixel, draws nothing.
bool RoundRect(Hdc hdc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight) {
    if (DrawingObserver* observer = hdc.Observer()) {
        observer->RoundRectDrawn(left, top, right, bottom, ellipseWidth, ellipseHeight,
                                 hdc.ForeColor());
    }
    const std::int64_t boxLeft = std::min(left, right);
    const std::int64_t boxTop = std::min(top, bottom);
    const std::int64_t boxRight = std::int64_t{std::max(left, right)} - 1;  // the last column
    const std::int64_t boxBottom = std::int64_t{std::max(top, bottom)} - 1;
    if (boxRight < boxLeft || boxBottom < boxTop || (boxRight == boxLeft && boxBottom == boxTop)) {
        return true;
    }
    const std::int64_t width =
        std::min({boxRight - boxLeft + 1, Magnitude(ellipseWidth), EllipseWalk::kMaxEllipse});
    const std::int64_t height =
        std::min({boxBottom - boxTop + 1, Magnitude(ellipseHeight), EllipseWalk::kMaxEllipse});
    Pen pen(hdc);
    if (width <= 2 || height <= 2) {
        pen.Row(boxTop, boxLeft, boxRight);
        pen.Row(boxBottom, boxLeft, boxRight);
        pen.Column(boxLeft, boxTop, boxBottom);
        pen.Column(boxRight, boxTop, boxBottom);
        return true;
    }
    // The walk gives the lower right corner; each pixel is mirrored into the other three. The
    // walk stops where its next column would pass the middle of the ellipse.
    EllipseWalk walk(width, height);
    const std::int64_t lastInset = width - 1 - width / 2;
    std::int64_t lastRow = walk.Row();
    for (; walk.Inset() <= lastInset; walk.Step()) {
        const std::int64_t upper = boxTop + height - 1 - walk.Row();
        const std::int64_t lower = boxBottom + 1 - height + walk.Row();
        for (const std::int64_t y : {upper, lower}) {
            pen.Row(y, boxLeft + walk.Inset(), boxLeft + walk.Inset());
            pen.Row(y, boxRight - walk.Inset(), boxRight - walk.Inset());
        }
        lastRow = walk.Row();
    }
    // The top and bottom sides join the corners' last pixels, the left and right sides their first.
    pen.Row(boxTop + height - 1 - lastRow, boxLeft + lastInset, boxRight - lastInset);
    pen.Row(boxBottom + 1 - height + lastRow, boxLeft + lastInset, boxRight - lastInset);
    const std::int64_t sideTop = boxTop + height - 1 - height / 2;
    const std::int64_t sideBottom = boxBottom + 1 - height + height / 2;
    pen.Column(boxLeft, sideTop, sideBottom);
    pen.Column(boxRight, sideTop, sideBottom);
    return true;
}

}  // namespace tolvane::gdi
