#include "app/gdi/region.h"

#include <algorithm>
#include <tuple>

#include "app/gdi/rounded_corners.h"

namespace tolvane::gdi {

namespace {

// Region coordinates are clamped to this many pixels either side of the origin, so no argument
// can make a region of more than 2^16 rows.
constexpr std::int64_t kRegionCoordinateLimit = std::int64_t{1} << 15;

std::int64_t ClampCoordinate(std::int32_t value) {
    return std::clamp<std::int64_t>(value, -kRegionCoordinateLimit, kRegionCoordinateLimit);
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

// Windows keeps the last column and row of the box outside the region, so the rounded box is
// x1 .. x2 - 2 by y1 .. y2 - 2. Coordinates are clamped to +-2^15 and an inverted box is
// normalised first, as Windows does.
Region CreateRoundRectRgn(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t w, std::int32_t h) {
    const std::int64_t left = std::min(ClampCoordinate(x1), ClampCoordinate(x2));
    const std::int64_t right = std::max(ClampCoordinate(x1), ClampCoordinate(x2));
    const std::int64_t top = std::min(ClampCoordinate(y1), ClampCoordinate(y2));
    const std::int64_t bottom = std::max(ClampCoordinate(y1), ClampCoordinate(y2));
    const RoundedCorners corners(right - left - 1, bottom - top - 1, w, h);
    std::vector<Region::Span> spans;
    spans.reserve(static_cast<std::size_t>(corners.BoxHeight()));
    for (std::int64_t row = 0; row < corners.BoxHeight(); ++row) {
        const std::int64_t inset = corners.Inset(row);
        spans.push_back({static_cast<std::int32_t>(top + row),
                         static_cast<std::int32_t>(left + inset),
                         static_cast<std::int32_t>(left + corners.BoxWidth() - inset)});
    }
    return Region(std::move(spans));
}

}  // namespace tolvane::gdi
