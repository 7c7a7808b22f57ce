#include "app/gdi/round_rect.h"

#include <algorithm>

#include "app/gdi/pixel_run.h"
#include "app/gdi/rounded_corners.h"

namespace tolvane::gdi {

namespace {

// Sets box columns [begin, end) of one surface row, shifted by the box's left edge and clipped.
void DrawRun(Surface& surface, int y, std::int64_t boxLeft, std::int64_t begin, std::int64_t end,
             Colour colour) {
    const PixelRun run = ClippedRun(boxLeft + begin, boxLeft + end, surface.Width());
    if (!run.IsEmpty()) {
        const auto row = surface.Row(y);
        std::fill(row.begin() + run.Begin, row.begin() + run.End, colour);
    }
}

}  // namespace

bool RoundRect(Hdc hdc, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight) {
    const std::int64_t boxLeft = std::min(left, right);
    const std::int64_t boxTop = std::min(top, bottom);
    const RoundedCorners corners(std::int64_t{std::max(left, right)} - boxLeft,
                                 std::int64_t{std::max(top, bottom)} - boxTop, ellipseWidth,
                                 ellipseHeight);
    const std::int64_t width = corners.BoxWidth();
    const PixelRun rows = ClippedRun(boxTop, boxTop + corners.BoxHeight(), hdc.Height());
    const Colour pen = Opaque(hdc.ForeColor());
    for (std::int64_t y = rows.Begin; y < rows.End; ++y) {
        const std::int64_t row = y - boxTop;
        const std::int64_t inset = corners.Inset(row);
        if (2 * inset >= width) {
            continue;  // a row wholly cut by the corners
        }
        // A pixel is on the ring when the row above or below ends further in than it does.
        const std::int64_t neighbourInset =
            std::max(corners.Inset(row - 1), corners.Inset(row + 1));
        const std::int64_t runEnd = std::min(std::max(inset + 1, neighbourInset), width - inset);
        DrawRun(hdc, static_cast<int>(y), boxLeft, inset, runEnd, pen);
        DrawRun(hdc, static_cast<int>(y), boxLeft, width - runEnd, width - inset, pen);
    }
    return true;
}

}  // namespace tolvane::gdi
