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

// The region CreateRoundRectRgn(x1, y1, x2, y2, w, h) gives on Windows: the box x1 .. x2 - 2 by
// y1 .. y2 - 2 (the last column and row lie outside, even with square corners; an inverted box is
// normalised) with its corners cut along the walk of EllipseWalk for an ellipse of |w| x |h|,
// clamped to that box. An ellipse of less than 2 pixels either way gives the plain box, which for
// a box of no width is the column left of it: CreateRoundRectRgn(5, 0, 5, 4, 0, 0) is column 4,
// rows 0 .. 2. Coordinates are clamped to -32768 .. 32768 first, so no arguments make a region of
// more than 65536 rows.
Region CreateRoundRectRgn(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t w, std::int32_t h);

}  // namespace tolvane::gdi
