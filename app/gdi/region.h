#pragma once

#include <cstdint>
#include <vector>

namespace tolvane::gdi {

// A window region: the set of pixels a window keeps, held as horizontal spans sorted by row and
// then by x. Each span covers XBegin <= x < XEnd on row Y.
class Region {
  public:
    struct Span {
        std::int32_t Y = 0;
        std::int32_t XBegin = 0;
        std::int32_t XEnd = 0;
        friend bool operator==(const Span&, const Span&) = default;
    };

    Region() = default;
    // Any spans: they are sorted, empty ones dropped and touching ones on a row merged, so two
    // regions of the same pixels compare equal.
    explicit Region(std::vector<Span> spans);

    bool Contains(int x, int y) const;
    bool IsEmpty() const { return spans_.empty(); }
    const std::vector<Span>& Spans() const { return spans_; }

    friend bool operator==(const Region&, const Region&) = default;

  private:
    std::vector<Span> spans_;
};

// The region CreateRoundRectRgn(x1, y1, x2, y2, w, h) gives on Windows: the rectangle with corners
// rounded by an ellipse of w x h, covering x1 .. x2 - 2 and y1 .. y2 - 2 (the last column and the
// last row lie outside, even with square corners). The corners are those of RoundedCorners, the
// same as RoundRect's. An inverted box is normalised; coordinates are clamped to -32768 .. 32768
// first, so no arguments make a region of more than 65536 rows.
Region CreateRoundRectRgn(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t w, std::int32_t h);

}  // namespace tolvane::gdi
