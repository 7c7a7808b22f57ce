// The drawing layer judged against the Windows drawing calls. Each case draws one operation twice
// from the same starting picture: with the layer on a gdi::Surface, and with the Windows call on a
// 32-bit top-down DIB section selected into a memory device context. Every pixel must agree, and
// so must the values the calls return.
//
// The cases are random, drawn from a seed that is printed first; TOLVANE_GDI_JUDGE_SEED repeats a
// run and TOLVANE_GDI_JUDGE_CASES sets the number of cases (10,000 by default, spread evenly over
// the operations); TOLVANE_GDI_JUDGE_ONLY=<operation name> keeps only one operation's share. A
// failing case is shrunk argument by argument to the smallest case that still fails, which is
// printed with a map of the differing pixels. Exits 1 when any case fails.
//
// The cases keep to the held range: the arguments on which the layer gives the pixels of the
// Windows calls, which take in everything the program draws. TOLVANE_GDI_JUDGE_WIDE=1 also draws
// the arguments where the layer is known to differ from Wine's calls (each operation below says
// which); a wide run is expected to fail and shows those differences.

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/gdi/bitmap_info.h"
#include "app/gdi/colour.h"
#include "app/gdi/gradient_fill.h"
#include "app/gdi/region.h"
#include "app/gdi/round_rect.h"
#include "app/gdi/set_dibits_to_device.h"
#include "app/gdi/surface.h"
#include "app/gdi/transparent_blt.h"

// After our headers, so that none of them sees the macros windows.h defines (near, far, ...).
// MinGW's C++ library already defines NOMINMAX.
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace gdi = tolvane::gdi;

namespace {

// ---- Random numbers: splitmix64, so that a seed means the same cases everywhere.

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() { return Mix(state_++); }
    int Between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(std::int64_t{high} - low + 1);
        return static_cast<int>(low + static_cast<std::int64_t>(Next() % span));
    }
    bool Percent(int percent) { return Between(0, 99) < percent; }

  private:
    std::uint64_t state_;
};

// A pseudo-random pixel colour of pattern `pattern` at (x, y).
gdi::Colour PatternColour(int pattern, int x, int y) {
    const std::uint64_t where = static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32 |
                                static_cast<std::uint32_t>(y);
    return static_cast<gdi::Colour>(Mix(Mix(static_cast<std::uint64_t>(pattern)) ^ where)) &
           0x00FFFFFFu;
}

// ---- Cases: an operation and its integer arguments.

using Args = std::vector<int>;

// Shrinking leaves an argument with this simplest value as it was drawn.
constexpr int kKeep = INT_MIN;

// How an argument is shown, and how it shrinks: a count or coordinate step by step, a colour or
// a pattern only straight to its simplest value.
enum class Kind { kNumber, kColour, kPattern };

struct ArgSpec {
    const char* name;
    int low;
    int high;
    int simplest;  // the value shrinking moves towards, or kKeep
    Kind kind = Kind::kNumber;
};

// What a call left behind: the pixels (or, for a region, 1 for each pixel inside it) and the
// value the call returned.
struct Picture {
    int width = 0;
    int height = 0;
    int originX = 0;  // the coordinates of pixel 0 of the first row
    int originY = 0;
    std::vector<gdi::Colour> pixels;
    long long result = 0;
    bool mask = false;  // the pixels say inside (1) or outside (0)
};

// Where cases come from: kHeld keeps to the arguments on which the layer is held to give the
// pixels of the Windows calls; kWide adds those where it is known to differ.
enum class Range { kHeld, kWide };

bool Anywhere(const Args&, Range) {
    return true;
}

struct Operation {
    const char* name;
    std::vector<ArgSpec> specs;
    Args (*generate)(Random&, Range);
    bool (*inRange)(const Args&, Range);  // shrinking keeps a case in its range
    Picture (*ours)(const Args&);
    Picture (*windows)(const Args&);
};

// ---- The starting picture. The drawing operations take the surface's width, height and
// pattern as their first three arguments; pattern 0 is plain black.

enum SurfaceArg { kWidth, kHeight, kPattern };

gdi::Surface StartSurface(const Args& a) {
    gdi::Surface surface(a[kWidth], a[kHeight]);
    if (a[kPattern] != 0) {
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                surface.PSet(x, y, PatternColour(a[kPattern], x, y));
            }
        }
    }
    return surface;
}

Picture PictureOf(const gdi::Surface& surface, long long result) {
    const auto pixels = surface.Pixels();
    return {surface.Width(), surface.Height(), 0, 0, {pixels.begin(), pixels.end()}, result};
}

// A 32-bit DIB pixel holds blue, green, red, unused bytes: 0x00RRGGBB as a number, where a
// surface pixel is 0x00BBGGRR. The same swap goes both ways.
gdi::Colour SwapRedBlue(std::uint32_t pixel) {
    return (pixel & 0xFFu) << 16 | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

[[noreturn]] void Fatal(const char* what) {
    std::printf("gdi judge: %s failed (error %lu)\n", what, GetLastError());
    std::exit(2);
}

// A memory device context with a 32-bit top-down DIB section selected, holding a copy of a
// surface.
class DibCanvas {
  public:
    explicit DibCanvas(const gdi::Surface& start)
        : width_(start.Width()), height_(start.Height()), dc_(CreateCompatibleDC(nullptr)) {
        if (dc_ == nullptr) {
            Fatal("CreateCompatibleDC");
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // negative: the first row in memory is the top one
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap_ == nullptr || bits == nullptr) {
            Fatal("CreateDIBSection");
        }
        bits_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        const auto pixels = start.Pixels();
        std::transform(pixels.begin(), pixels.end(), bits_, SwapRedBlue);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC Dc() const { return dc_; }

    Picture Read(long long result) const {
        GdiFlush();
        Picture picture{width_, height_, 0, 0, {}, result};
        picture.pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        std::transform(bits_, bits_ + picture.pixels.size(), picture.pixels.begin(), SwapRedBlue);
        return picture;
    }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// A random coordinate about a surface edge of `limit` pixels: mostly near it, so that clipping
// is common, sometimes far outside.
int Coordinate(Random& random, int limit, int low, int high) {
    if (random.Percent(15)) {
        return random.Between(low, high);
    }
    return random.Between(std::max(low, -8), std::min(high, limit + 8));
}

// 16-bit colour channels: mostly an 8-bit value times 256 as the program passes them, sometimes
// any 16-bit value.
int Channel(Random& random) {
    return random.Percent(50) ? random.Between(0, 255) * 256 : random.Between(0, 65535);
}

// ---- GradientFill: one rectangle between two vertices, horizontal or vertical.

namespace gradient {

enum Arg { kMode = 3, kX0, kY0, kX1, kY1, kRed0, kGreen0, kBlue0, kRed1, kGreen1, kBlue1 };

Args Generate(Random& r, Range) {
    Args a{r.Between(1, 40), r.Between(1, 40), r.Between(0, 1 << 20), r.Between(0, 1)};
    for (int i = 0; i < 2; ++i) {
        a.push_back(Coordinate(r, a[kWidth], -400, 400));
        a.push_back(Coordinate(r, a[kHeight], -400, 400));
    }
    for (int i = 0; i < 6; ++i) {
        a.push_back(Channel(r));
    }
    return a;
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    gdi::TriVertex v[2];
    for (int i = 0; i < 2; ++i) {
        v[i] = {a[kX0 + 2 * i],
                a[kY0 + 2 * i],
                static_cast<std::uint16_t>(a[kRed0 + 3 * i]),
                static_cast<std::uint16_t>(a[kGreen0 + 3 * i]),
                static_cast<std::uint16_t>(a[kBlue0 + 3 * i]),
                0};
    }
    const gdi::GradientMesh mesh[] = {{0, 1}};
    const bool ok = gdi::GradientFill(
        surface, v, mesh,
        a[kMode] == 0 ? gdi::GradientFillMode::Horizontal : gdi::GradientFillMode::Vertical);
    return PictureOf(surface, ok);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    TRIVERTEX v[2];
    for (int i = 0; i < 2; ++i) {
        v[i].x = a[kX0 + 2 * i];
        v[i].y = a[kY0 + 2 * i];
        v[i].Red = static_cast<COLOR16>(a[kRed0 + 3 * i]);
        v[i].Green = static_cast<COLOR16>(a[kGreen0 + 3 * i]);
        v[i].Blue = static_cast<COLOR16>(a[kBlue0 + 3 * i]);
        v[i].Alpha = 0;
    }
    GRADIENT_RECT mesh{0, 1};
    const BOOL ok = ::GradientFill(canvas.Dc(), v, 2, &mesh, 1,
                                   a[kMode] == 0 ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return canvas.Read(ok != 0);
}

const Operation kOperation{"GradientFill",
                           {{"width", 1, 40, 1},
                            {"height", 1, 40, 1},
                            {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                            {"mode (0 horizontal, 1 vertical)", 0, 1, 0},
                            {"x0", -400, 400, 0},
                            {"y0", -400, 400, 0},
                            {"x1", -400, 400, 0},
                            {"y1", -400, 400, 0},
                            {"red0", 0, 65535, 0, Kind::kColour},
                            {"green0", 0, 65535, 0, Kind::kColour},
                            {"blue0", 0, 65535, 0, Kind::kColour},
                            {"red1", 0, 65535, 0, Kind::kColour},
                            {"green1", 0, 65535, 0, Kind::kColour},
                            {"blue1", 0, 65535, 0, Kind::kColour}},
                           Generate,
                           Anywhere,
                           Ours,
                           Windows};

}  // namespace gradient

// ---- Corner ellipses, shared by RoundRect and CreateRoundRectRgn. The held range is what the
// program draws: circular corners of up to 15 pixels (its rounding of 5 pixels at up to three
// times the size), smaller than the box. Elsewhere Wine's corners differ from the layer's in a
// few pixels: circles of 16, 21, 23, 27, 28, 30, 35, 37, 39 and 40 pixels, most ellipses that
// are not circles, and ellipses cut down to a box smaller than they are.

constexpr int kHeldEllipse = 15;

void PushEllipse(Random& r, Range range, Args& a) {
    const int largest = range == Range::kHeld ? kHeldEllipse : 40;
    a.push_back(r.Between(0, largest));
    a.push_back(range == Range::kHeld || r.Percent(70) ? a.back() : r.Between(0, largest));
}

// The box is the rounded box's size in pixels.
bool EllipseInRange(int width, int height, int boxWidth, int boxHeight, Range range) {
    return range == Range::kWide ||
           (width == height && width <= kHeldEllipse && width < boxWidth && width < boxHeight);
}

// ---- RoundRect: the outline with a one-pixel solid pen and a hollow brush.

namespace round_rect {

enum Arg { kColour = 3, kLeft, kTop, kRight, kBottom, kEllipseWidth, kEllipseHeight };

Args Generate(Random& r, Range range) {
    Args a{r.Between(1, 48), r.Between(1, 48), r.Between(0, 1 << 20), r.Between(0, 0xFFFFFF)};
    a.push_back(Coordinate(r, a[kWidth], -60, 100));
    a.push_back(Coordinate(r, a[kHeight], -60, 100));
    a.push_back(Coordinate(r, a[kWidth], -60, 100));
    a.push_back(Coordinate(r, a[kHeight], -60, 100));
    PushEllipse(r, range, a);
    return a;
}

// Also left out: the box of a single pixel, which Wine does not draw and the layer does.
bool InRange(const Args& a, Range range) {
    const int boxWidth = std::abs(a[kRight] - a[kLeft]);
    const int boxHeight = std::abs(a[kBottom] - a[kTop]);
    return range == Range::kWide ||
           ((boxWidth > 1 || boxHeight > 1) &&
            EllipseInRange(a[kEllipseWidth], a[kEllipseHeight], boxWidth, boxHeight, range));
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    surface.SetForeColor(static_cast<gdi::Colour>(a[kColour]));
    const bool ok = gdi::RoundRect(surface, a[kLeft], a[kTop], a[kRight], a[kBottom],
                                   a[kEllipseWidth], a[kEllipseHeight]);
    return PictureOf(surface, ok);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(a[kColour]));
    const HGDIOBJ previousPen = SelectObject(canvas.Dc(), pen);
    const HGDIOBJ previousBrush = SelectObject(canvas.Dc(), GetStockObject(NULL_BRUSH));
    const BOOL ok = ::RoundRect(canvas.Dc(), a[kLeft], a[kTop], a[kRight], a[kBottom],
                                a[kEllipseWidth], a[kEllipseHeight]);
    Picture picture = canvas.Read(ok != 0);
    SelectObject(canvas.Dc(), previousBrush);
    SelectObject(canvas.Dc(), previousPen);
    DeleteObject(pen);
    return picture;
}

const Operation kOperation{"RoundRect",
                           {{"width", 1, 48, 1},
                            {"height", 1, 48, 1},
                            {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                            {"pen colour", 0, 0xFFFFFF, 0xFFFFFF, Kind::kColour},
                            {"left", -60, 100, 0},
                            {"top", -60, 100, 0},
                            {"right", -60, 100, 0},
                            {"bottom", -60, 100, 0},
                            {"ellipse width", 0, 40, 0},
                            {"ellipse height", 0, 40, 0}},
                           Generate,
                           InRange,
                           Ours,
                           Windows};

}  // namespace round_rect

// ---- CreateRoundRectRgn: which pixels of a window of coordinates are inside the region.

namespace region {

enum Arg { kX1, kY1, kX2, kY2, kEllipseWidth, kEllipseHeight };

constexpr int kLow = -48;  // the window compared: kLow <= x, y < kHigh
constexpr int kHigh = 96;

Args Generate(Random& r, Range range) {
    Args a;
    for (int i = 0; i < 4; ++i) {
        a.push_back(Coordinate(r, 40, -40, 88));
    }
    PushEllipse(r, range, a);
    return a;
}

// The rounded box leaves out the last column and row. Also left out of the held range: boxes of
// no width or height, where Wine's region is a line beside the box (x1 == x2 gives column
// x1 - 1) and the layer's is empty.
bool InRange(const Args& a, Range range) {
    return range == Range::kWide ||
           (a[kX1] != a[kX2] && a[kY1] != a[kY2] &&
            EllipseInRange(a[kEllipseWidth], a[kEllipseHeight], std::abs(a[kX2] - a[kX1]) - 1,
                           std::abs(a[kY2] - a[kY1]) - 1, range));
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

const Operation kOperation{"CreateRoundRectRgn",
                           {{"x1", -40, 88, 0},
                            {"y1", -40, 88, 0},
                            {"x2", -40, 88, 0},
                            {"y2", -40, 88, 0},
                            {"ellipse width", 0, 40, 0},
                            {"ellipse height", 0, 40, 0}},
                           Generate,
                           InRange,
                           Ours,
                           Windows};

}  // namespace region

// ---- TransparentBlt: a block copied one to one, leaving out the key colour.

namespace transparent_blt {

enum Arg {
    kSourceWidth = 3,
    kSourceHeight,
    kSourcePattern,
    kKey,
    kXDest,
    kYDest,
    kBlockWidth,
    kBlockHeight,
    kXSrc,
    kYSrc
};

// The source: half its pixels the key colour, a quarter one step of red away from it, the rest
// any colour.
gdi::Surface Source(const Args& a) {
    gdi::Surface source(a[kSourceWidth], a[kSourceHeight]);
    const auto key = static_cast<gdi::Colour>(a[kKey]);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            const gdi::Colour pick = PatternColour(a[kSourcePattern], x, y);
            const gdi::Colour oneStep = (key & 0xFFu) == 0xFFu ? key - 1 : key + 1;
            source.PSet(x, y, pick % 4 < 2 ? key : pick % 4 == 2 ? oneStep : pick >> 2);
        }
    }
    return source;
}

Args Generate(Random& r, Range range) {
    Args a{r.Between(1, 40), r.Between(1, 40),      r.Between(0, 1 << 20), r.Between(1, 40),
           r.Between(1, 40), r.Between(1, 1 << 20), r.Between(0, 0xFFFFFF)};
    a.push_back(Coordinate(r, a[kWidth], -50, 90));
    a.push_back(Coordinate(r, a[kHeight], -50, 90));
    if (range == Range::kHeld) {
        a.push_back(r.Between(0, a[kSourceWidth]));
        a.push_back(r.Between(0, a[kSourceHeight]));
        a.push_back(r.Between(0, a[kSourceWidth] - a[kBlockWidth]));
        a.push_back(r.Between(0, a[kSourceHeight] - a[kBlockHeight]));
    } else {
        a.push_back(r.Between(0, 50));
        a.push_back(r.Between(0, 50));
        a.push_back(Coordinate(r, a[kSourceWidth], -50, 90));
        a.push_back(Coordinate(r, a[kSourceHeight], -50, 90));
    }
    return a;
}

// The held range takes blocks from inside the source, as the program does. Where a block reaches
// past the source, the layer copies only the source pixels that exist; Windows paints the rest
// black (unless black is the key colour).
bool InRange(const Args& a, Range range) {
    return range == Range::kWide ||
           (a[kXSrc] >= 0 && a[kYSrc] >= 0 && a[kXSrc] + a[kBlockWidth] <= a[kSourceWidth] &&
            a[kYSrc] + a[kBlockHeight] <= a[kSourceHeight]);
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    const gdi::Surface source = Source(a);
    const bool ok = gdi::TransparentBlt(surface, a[kXDest], a[kYDest], a[kBlockWidth],
                                        a[kBlockHeight], source, a[kXSrc], a[kYSrc], a[kBlockWidth],
                                        a[kBlockHeight], static_cast<gdi::Colour>(a[kKey]));
    return PictureOf(surface, ok);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    const DibCanvas source(Source(a));
    const BOOL ok = ::TransparentBlt(canvas.Dc(), a[kXDest], a[kYDest], a[kBlockWidth],
                                     a[kBlockHeight], source.Dc(), a[kXSrc], a[kYSrc],
                                     a[kBlockWidth], a[kBlockHeight], static_cast<UINT>(a[kKey]));
    return canvas.Read(ok != 0);
}

const Operation kOperation{"TransparentBlt",
                           {{"width", 1, 40, 1},
                            {"height", 1, 40, 1},
                            {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                            {"source width", 1, 40, 1},
                            {"source height", 1, 40, 1},
                            {"source pattern", 1, 1 << 20, kKeep, Kind::kPattern},
                            {"key colour", 0, 0xFFFFFF, kKeep, Kind::kColour},
                            {"x dest", -50, 90, 0},
                            {"y dest", -50, 90, 0},
                            {"block width", 0, 50, 0},
                            {"block height", 0, 50, 0},
                            {"x src", -50, 90, 0},
                            {"y src", -50, 90, 0}},
                           Generate,
                           InRange,
                           Ours,
                           Windows};

}  // namespace transparent_blt

// ---- SetDIBitsToDevice: a one-line 24-bit bottom-up DIB, all of it handed over.

namespace set_dibits {

enum Arg { kDibWidth = 3, kDibPattern, kXDest, kYDest, kBlockWidth, kBlockHeight, kXSrc, kYSrc };

// The line's bytes, the padding at its end included; pattern 0 is plain white.
std::vector<std::uint8_t> Line(const Args& a) {
    std::vector<std::uint8_t> line(gdi::DibStride(a[kDibWidth], 24));
    for (std::size_t i = 0; i < line.size(); ++i) {
        line[i] =
            a[kDibPattern] == 0
                ? 0xFF
                : static_cast<std::uint8_t>(PatternColour(a[kDibPattern], static_cast<int>(i), -1));
    }
    return line;
}

Args Generate(Random& r, Range) {
    Args a{r.Between(1, 40), r.Between(1, 40), r.Between(0, 1 << 20), r.Between(1, 60),
           r.Between(1, 1 << 20)};
    a.push_back(Coordinate(r, a[kWidth], -70, 100));
    a.push_back(Coordinate(r, a[kHeight], -70, 100));
    a.push_back(r.Percent(60) ? a[kDibWidth] : r.Between(0, 70));
    a.push_back(r.Percent(80) ? 1 : r.Between(0, 3));
    a.push_back(r.Percent(60) ? 0 : r.Between(-10, 70));
    a.push_back(r.Percent(80) ? 0 : r.Between(-2, 2));
    return a;
}

Picture Ours(const Args& a) {
    gdi::Surface surface = StartSurface(a);
    gdi::BitmapInfo info;
    info.Header.Width = a[kDibWidth];
    info.Header.Height = 1;
    const std::vector<std::uint8_t> line = Line(a);
    const std::int32_t lines = gdi::SetDIBitsToDevice(
        surface, a[kXDest], a[kYDest], static_cast<std::uint32_t>(a[kBlockWidth]),
        static_cast<std::uint32_t>(a[kBlockHeight]), a[kXSrc], a[kYSrc], 0, 1, line, info,
        gdi::DibColours::Rgb);
    return PictureOf(surface, lines);
}

Picture Windows(const Args& a) {
    DibCanvas canvas(StartSurface(a));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = a[kDibWidth];
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const std::vector<std::uint8_t> line = Line(a);
    const int lines =
        ::SetDIBitsToDevice(canvas.Dc(), a[kXDest], a[kYDest], static_cast<DWORD>(a[kBlockWidth]),
                            static_cast<DWORD>(a[kBlockHeight]), a[kXSrc], a[kYSrc], 0, 1,
                            line.data(), &info, DIB_RGB_COLORS);
    return canvas.Read(lines);
}

const Operation kOperation{"SetDIBitsToDevice",
                           {{"width", 1, 40, 1},
                            {"height", 1, 40, 1},
                            {"pattern", 0, 1 << 20, 0, Kind::kPattern},
                            {"dib width", 1, 60, 1},
                            {"dib pattern", 0, 1 << 20, 0, Kind::kPattern},
                            {"x dest", -70, 100, 0},
                            {"y dest", -70, 100, 0},
                            {"block width", 0, 70, 1},
                            {"block height", 0, 3, 1},
                            {"x src", -10, 70, 0},
                            {"y src", -2, 2, 0}},
                           Generate,
                           Anywhere,
                           Ours,
                           Windows};

}  // namespace set_dibits

// ---- Judging, shrinking and reporting.

struct Difference {
    long pixels = 0;
    bool result = false;
    bool Any() const { return pixels != 0 || result; }
};

Difference Compare(const Picture& ours, const Picture& windows) {
    Difference difference;
    difference.result = ours.result != windows.result;
    for (std::size_t i = 0; i < ours.pixels.size(); ++i) {
        difference.pixels += ours.pixels[i] != windows.pixels[i];
    }
    return difference;
}

bool Fails(const Operation& operation, const Args& args) {
    return Compare(operation.ours(args), operation.windows(args)).Any();
}

std::string Describe(const Operation& operation, const Args& args) {
    std::string text = std::string(operation.name) + "(";
    for (std::size_t i = 0; i < args.size(); ++i) {
        char value[64];
        std::snprintf(value, sizeof value,
                      operation.specs[i].kind == Kind::kColour ? "%s 0x%X" : "%s %d",
                      operation.specs[i].name, args[i]);
        text += (i == 0 ? "" : ", ") + std::string(value);
    }
    return text + ")";
}

// Moves each argument towards its simplest value (all the way, half the way, one step) as long
// as the case keeps failing and stays in its range, until no move is left.
Args Shrink(const Operation& operation, Args args, Range range) {
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const ArgSpec& spec = operation.specs[i];
            if (spec.simplest == kKeep || args[i] == spec.simplest) {
                continue;
            }
            const int value = args[i];
            const int towards = value < spec.simplest ? 1 : -1;
            const int halfway = value + (spec.simplest - value) / 2;
            const bool stepwise = spec.kind == Kind::kNumber;
            for (const int candidate :
                 {spec.simplest, stepwise ? halfway : value, stepwise ? value + towards : value}) {
                if (candidate == value || candidate < spec.low || candidate > spec.high ||
                    (value - spec.simplest) * (candidate - spec.simplest) < 0) {
                    continue;
                }
                Args smaller = args;
                smaller[i] = candidate;
                if (operation.inRange(smaller, range) && Fails(operation, smaller)) {
                    args = smaller;
                    moved = true;
                    break;
                }
            }
        }
    }
    return args;
}

void PrintDifferences(const Picture& ours, const Picture& windows) {
    if (ours.result != windows.result) {
        std::printf("  returned: ours %lld, Windows %lld\n", ours.result, windows.result);
    }
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, count = 0;
    for (int y = 0; y < ours.height; ++y) {
        for (int x = 0; x < ours.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * ours.width + x);
            if (ours.pixels[i] == windows.pixels[i]) {
                continue;
            }
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            if (count++ < 12) {
                std::printf("  pixel (%d, %d): ours 0x%06X, Windows 0x%06X\n", x + ours.originX,
                            y + ours.originY, ours.pixels[i], windows.pixels[i]);
            }
        }
    }
    if (count == 0) {
        return;
    }
    // The differing pixels with a margin of two, at most 70 columns.
    const int x0 = std::max(0, left - 2), x1 = std::min({ours.width - 1, right + 2, x0 + 69});
    const int y0 = std::max(0, top - 2), y1 = std::min(ours.height - 1, bottom + 2);
    std::printf(
        "  %d pixels differ; x %d..%d, y %d..%d ('.' same, '#' differs; in a region 'o' "
        "only ours, 'w' only Windows has the pixel):\n",
        count, x0 + ours.originX, x1 + ours.originX, y0 + ours.originY, y1 + ours.originY);
    for (int y = y0; y <= y1; ++y) {
        std::printf("  ");
        for (int x = x0; x <= x1; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * ours.width + x);
            char mark = '.';
            if (ours.pixels[i] != windows.pixels[i]) {
                mark = !ours.mask ? '#' : ours.pixels[i] != 0 ? 'o' : 'w';
            }
            std::putchar(mark);
        }
        std::putchar('\n');
    }
}

std::uint64_t SeedFromEnvironment() {
    if (const char* text = std::getenv("TOLVANE_GDI_JUDGE_SEED"); text != nullptr && *text) {
        return std::strtoull(text, nullptr, 10);
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return Mix(static_cast<std::uint64_t>(
               std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())) %
           1'000'000'000'000ull;
}

long CasesFromEnvironment() {
    if (const char* text = std::getenv("TOLVANE_GDI_JUDGE_CASES"); text != nullptr && *text) {
        return std::max(1L, std::strtol(text, nullptr, 10));
    }
    return 10'000;
}

}  // namespace

int main() {
    // Unbuffered, so that a run that is stopped still shows what it found.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::uint64_t seed = SeedFromEnvironment();
    const long cases = CasesFromEnvironment();
    // TOLVANE_GDI_JUDGE_ONLY=<operation> runs only that operation's share of the cases.
    const char* const only = std::getenv("TOLVANE_GDI_JUDGE_ONLY");
    const char* const wide = std::getenv("TOLVANE_GDI_JUDGE_WIDE");
    const Range range =
        wide != nullptr && *wide != '\0' && *wide != '0' ? Range::kWide : Range::kHeld;
    std::printf(
        "gdi judge: seed %llu (TOLVANE_GDI_JUDGE_SEED=%llu repeats this run), %ld cases%s\n",
        static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed), cases,
        range == Range::kWide ? ", wide range" : "");

    const Operation* const operations[] = {&gradient::kOperation, &round_rect::kOperation,
                                           &region::kOperation, &transparent_blt::kOperation,
                                           &set_dibits::kOperation};
    constexpr std::size_t kOperations = std::size(operations);
    long run[kOperations] = {};
    long failed[kOperations] = {};
    const auto start = std::chrono::steady_clock::now();
    for (long n = 0; n < cases; ++n) {
        const std::size_t which = static_cast<std::size_t>(n) % kOperations;
        const Operation& operation = *operations[which];
        if (only != nullptr && *only != '\0' && std::string(operation.name) != only) {
            continue;
        }
        Random random(Mix(seed) ^ static_cast<std::uint64_t>(n));
        Args args = operation.generate(random, range);
        while (!operation.inRange(args, range)) {
            args = operation.generate(random, range);
        }
        ++run[which];
        const Difference difference = Compare(operation.ours(args), operation.windows(args));
        if (!difference.Any()) {
            continue;
        }
        // The first failure of each operation is shrunk and shown; later ones are counted.
        if (failed[which]++ == 0) {
            std::printf("\nFAIL case %ld: %s\n  %ld pixels differ%s\n", n,
                        Describe(operation, args).c_str(), difference.pixels,
                        difference.result ? ", and the returned values" : "");
            const Args smallest = Shrink(operation, args, range);
            std::printf("smallest failing case: %s\n", Describe(operation, smallest).c_str());
            PrintDifferences(operation.ours(smallest), operation.windows(smallest));
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    bool passed = true;
    long total = 0;
    std::printf("\n");
    for (std::size_t i = 0; i < kOperations; ++i) {
        std::printf("  %-20s %6ld cases, %6ld failed\n", operations[i]->name, run[i], failed[i]);
        passed = passed && failed[i] == 0;
        total += run[i];
    }
    std::printf("gdi judge: %s, seed %llu, %ld cases in %.1f s\n", passed ? "passed" : "FAILED",
                static_cast<unsigned long long>(seed), total, seconds);
    return passed ? 0 : 1;
}
