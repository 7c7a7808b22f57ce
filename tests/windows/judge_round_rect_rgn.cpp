// CreateRoundRectRgn judged: which pixels of a window of coordinates lie inside the region, for
// boxes of any size and orientation (a few reaching far out) and corner ellipses of -40 to 40
// pixels either way.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "gdi/ellipse_walk.h"
#include "gdi/region.h"
#include "tests/windows/dib_canvas.h"
#include "tests/windows/judge_case.h"

namespace tolvane::judge {

namespace {

enum Arg { kX1, kY1, kX2, kY2, kEllipseWidth, kEllipseHeight };

constexpr int kLow = -48;  // the window compared: kLow <= x, y < kHigh
constexpr int kHigh = 96;

// Far coordinates stay within the layer's region limit of +-2^15.
constexpr int kRegionFar = 1 << 15;

Args Generate(Random& r) {
    Args a;
    for (int i = 0; i < 4; ++i) {
        a.push_back(r.Percent(3) ? r.Between(-kRegionFar, kRegionFar) : Coordinate(r, 40, -40, 88));
    }
    a.push_back(EllipseSize(r));
    a.push_back(r.Percent(50) ? a.back() : EllipseSize(r));
    return a;
}

// Wine's CreateRoundRectRgn leaves the rectangles of some rows uninitialised, and returns
// whatever the memory held there: for a tall ellipse of up to 32 pixels' width its ellipse walk
// stops before the ellipse's last row and never sets the rows past it (the walk lacks the step of
// Zingl's algorithm that finishes an ellipse's tip). Those cases are not judged; the layer
// finishes the tip as Zingl's algorithm does.
bool Defined(const Args& a) {
    const std::int64_t width = std::min<std::int64_t>(std::abs(std::int64_t{a[kX2]} - a[kX1]) - 1,
                                                      std::abs(a[kEllipseWidth]));
    const std::int64_t height = std::min<std::int64_t>(std::abs(std::int64_t{a[kY2]} - a[kY1]) - 1,
                                                       std::abs(a[kEllipseHeight]));
    if (width < 2 || height < 2) {
        return true;
    }
    gdi::EllipseWalk walk(width, height);
    while (walk.Inset() <= width / 2) {
        walk.Step();
    }
    return walk.Row() >= height - 1;
}

Picture Window() {
    Picture picture{kHigh - kLow, kHigh - kLow, kLow, kLow, {}, 0, true};
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
    return picture;
}

Picture Ours(const Args& a) {
    const gdi::Region region = gdi::CreateRoundRectRgn(a[kX1], a[kY1], a[kX2], a[kY2],
                                                       a[kEllipseWidth], a[kEllipseHeight]);
    Picture picture = Window();
    for (int y = kLow; y < kHigh; ++y) {
        for (int x = kLow; x < kHigh; ++x) {
            picture.pixels[static_cast<std::size_t>((y - kLow) * picture.width + (x - kLow))] =
                region.Contains(x, y);
        }
    }
    picture.result = !region.IsEmpty();
    return picture;
}

// The region's rectangles as GetRegionData hands them out, painted into the window.
Picture Windows(const Args& a) {
    HRGN region =
        ::CreateRoundRectRgn(a[kX1], a[kY1], a[kX2], a[kY2], a[kEllipseWidth], a[kEllipseHeight]);
    if (region == nullptr) {
        Fatal("CreateRoundRectRgn");
    }
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::max_align_t> buffer(size / sizeof(std::max_align_t) + 1);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || GetRegionData(region, size, data) != size) {
        Fatal("GetRegionData");
    }
    DeleteObject(region);
    Picture picture = Window();
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        for (LONG y = std::max<LONG>(rects[i].top, kLow);
             y < std::min<LONG>(rects[i].bottom, kHigh); ++y) {
            for (LONG x = std::max<LONG>(rects[i].left, kLow);
                 x < std::min<LONG>(rects[i].right, kHigh); ++x) {
                picture.pixels[static_cast<std::size_t>((y - kLow) * picture.width + (x - kLow))] =
                    1;
            }
        }
    }
    picture.result = data->rdh.nCount != 0;
    return picture;
}

}  // namespace

const Operation kCreateRoundRectRgn{"CreateRoundRectRgn",
                                    {{"x1", -kRegionFar, kRegionFar, 0},
                                     {"y1", -kRegionFar, kRegionFar, 0},
                                     {"x2", -kRegionFar, kRegionFar, 0},
                                     {"y2", -kRegionFar, kRegionFar, 0},
                                     {"ellipse width", -40, 40, 0},
                                     {"ellipse height", -40, 40, 0}},
                                    Generate,
                                    Defined,
                                    Ours,
                                    Windows};

}  // namespace tolvane::judge
