#include "gdi/region.h"

#include <algorithm>
#include <tuple>

#include "gdi/ellipse_walk.h"

namespace tolvane::gdi {

namespace {

// Region coordinates are clamped to this many pixels either side of the origin, so no argument
// can make a region of more than 2^16 rows.
constexpr std::int64_t kRegionCoordinateLimit = std::int64_t{1} << 15;

std::int64_t ClampCoordinate(std::int32_t value) {
    return std::clamp<std::int64_t>(value, -kRegionCoordinateLimit, kRegionCoordinateLimit);
}

std::int64_t Magnitude(std::int32_t value) {
    return value < 0 ? -std::int64_t{value} : value;
}

// Sorts the spans, drops empty ones and merges those that overlap or touch on a row, so that
// two regions covering the same pixels hold the same spans.
std::vector<Region::Span> Normalised(std::vector<Region::Span> spans) {
    std::erase_if(spans, [](const Region::Span& span) { return span.XEnd <= span.XBegin; });
    std::sort(spans.begin(), spans.end(), [](const Region::Span& a, const Region::Span& b) {
        return std::tie(a.Y, a.XBegin) < std::tie(b.Y, b.XBegin);
    });
    std::vector<Region::Span> merged;
    merged.reserve(spans.size());
    for (const Region::Span& span : spans) {
        if (!merged.empty() && merged.back().Y == span.Y && span.XBegin <= merged.back().XEnd) {
            merged.back().XEnd = std::max(merged.back().XEnd, span.XEnd);
        } else {
            merged.push_back(span);
        }
    }
    return merged;
}

Region::Span SpanOf(std::int64_t y, std::int64_t begin, std::int64_t end) {
    return {static_cast<std::int32_t>(y), static_cast<std::int32_t>(begin),
            static_cast<std::int32_t>(end)};
}

// The region CreateRectRgn gives: the box between the two corners in either order, empty when it
// has no width or no height.
Region RectangleRegion(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    std::vector<Region::Span> spans;
    for (std::int64_t y = std::min(y1, y2); y < std::max(y1, y2); ++y) {
        spans.push_back(SpanOf(y, std::min(x1, x2), std::max(x1, x2)));
    }
    return Region(std::move(spans));
}

// The inset of each lower corner row, indexed by its row in the ellipse from the middle row
// (height / 2), which keeps the whole box: the walk enters each row in the column the region
// keeps from there. The walk of a tall ellipse of up to 32 pixels' width stops before the last
// row; Zingl's algorithm finishes such an ellipse's tip in its middle column (two for an even
// width), and so do the rows left here. Wine leaves those rows' rectangles uninitialised, so what
// its regions hold there is noise.
std::vector<std::int64_t> CornerInsets(std::int64_t width, std::int64_t height) {
    std::vector<std::int64_t> insets(static_cast<std::size_t>(height), (width - 1) / 2);
    insets[static_cast<std::size_t>(height / 2)] = 0;
    EllipseWalk walk(width, height);
    while (walk.Inset() <= width / 2) {
        const std::int64_t row = walk.Row();
        walk.Step();
        if (walk.Row() != row && walk.Row() < height) {
            insets[static_cast<std::size_t>(walk.Row())] = walk.Inset();
        }
    }
    return insets;
}

}  // namespace

Region::Region(std::vector<Span> spans) : spans_(Normalised(std::move(spans))) {}

bool Region::Contains(int x, int y) const {
    // The first span that is not wholly before (x, y) in row-then-column order.
    const auto it = std::lower_bound(spans_.begin(), spans_.end(), std::pair{y, x},
                                     [](const Span& span, const std::pair<int, int>& point) {
                                         return std::tie(span.Y, span.XEnd) <=
                                                std::tie(point.first, point.second);
                                     });
    return it != spans_.end() && it->Y == y && it->XBegin <= x;
}

// Windows takes the last column and row off the box and cuts the corners from what remains. An
// ellipse of less than 2 pixels either way leaves the rectangle region of what remains, so a box
// of no width keeps the column left of it.
Region CreateRoundRectRgn(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t w, std::int32_t h) {
    const std::int64_t left = std::min(ClampCoordinate(x1), ClampCoordinate(x2));
    const std::int64_t right = std::max(ClampCoordinate(x1), ClampCoordinate(x2)) - 1;
    const std::int64_t top = std::min(ClampCoordinate(y1), ClampCoordinate(y2));
    const std::int64_t bottom = std::max(ClampCoordinate(y1), ClampCoordinate(y2)) - 1;
    const std::int64_t width = std::min(right - left, Magnitude(w));
    const std::int64_t height = std::min(bottom - top, Magnitude(h));
    if (width < 2 || height < 2) {
        return RectangleRegion(left, top, right, bottom);
    }
    // Rows above the ellipse's middle row take the inset of their mirror image below it; the rows
    // between the upper and the lower corners are whole.
    const std::vector<std::int64_t> insets = CornerInsets(width, height);
    const std::int64_t rows = bottom - top;
    const std::int64_t lowerCorners = rows - height;  // the box row of the lower ellipses' row 0
    std::vector<Region::Span> spans;
    spans.reserve(static_cast<std::size_t>(rows));
    for (std::int64_t row = 0; row < rows; ++row) {
        const std::int64_t ellipseRow = row < height / 2                  ? height - 1 - row
                                        : row - lowerCorners > height / 2 ? row - lowerCorners
                                                                          : height / 2;
        const std::int64_t inset = insets[static_cast<std::size_t>(ellipseRow)];
        spans.push_back(SpanOf(top + row, left + inset, right - inset));
    }
    return Region(std::move(spans));
}

}  // namespace tolvane::gdi
