// The drawing layer's calls with any arguments on small surfaces. Oracles: each call changes
// exactly the pixels it may change (nothing outside its box, its clip or its mask), a refused
// call draws nothing, a rounded outline is mirror-symmetric and reaches both sides of its box, and
// a region is ordered, merged, inside its box and mirror-symmetric.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "gdi/gradient_fill.h"
#include "gdi/region.h"
#include "gdi/round_rect.h"
#include "gdi/set_dibits_to_device.h"
#include "gdi/surface.h"
#include "gdi/transparent_blt.h"
#include "fuzz/oracles.h"

namespace {

using namespace tolvane::gdi;
using tolvane::fuzz::Require;

constexpr int kMaxSide = 48;

// Mostly coordinates near the surface, now and then any 32-bit value.
std::int32_t Coordinate(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange(0, 7) == 0 ? in.ConsumeIntegral<std::int32_t>()
                            : in.ConsumeIntegralInRange<std::int32_t>(-2 * kMaxSide, 2 * kMaxSide);
}

// A surface whose pixels all differ from their neighbours, so a stray write shows.
Surface PatternSurface(FuzzedDataProvider& in) {
    const int width = in.ConsumeIntegralInRange(0, kMaxSide);
    const int height = in.ConsumeIntegralInRange(0, kMaxSide);
    const std::uint32_t seed = in.ConsumeIntegral<std::uint32_t>();
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.PSet(x, y, (seed + static_cast<std::uint32_t>(y * width + x)) * 2654435761u);
        }
    }
    return surface;
}

bool InBox(std::int64_t x, std::int64_t y, std::int64_t left, std::int64_t top, std::int64_t right,
           std::int64_t bottom) {
    return x >= left && x < right && y >= top && y < bottom;
}

void FuzzGradientFill(FuzzedDataProvider& in, std::string_view input) {
    Surface surface = PatternSurface(in);
    std::vector<TriVertex> vertices(in.ConsumeIntegralInRange<std::size_t>(0, 4));
    for (TriVertex& v : vertices) {
        v = {Coordinate(in), Coordinate(in), in.ConsumeIntegral<std::uint16_t>(),
             in.ConsumeIntegral<std::uint16_t>(), in.ConsumeIntegral<std::uint16_t>(),
             in.ConsumeIntegral<std::uint16_t>()};
    }
    std::vector<GradientMesh> mesh(in.ConsumeIntegralInRange<std::size_t>(0, 3));
    for (GradientMesh& m : mesh) {
        m = {in.ConsumeIntegralInRange<std::uint32_t>(0, 5),
             in.ConsumeIntegralInRange<std::uint32_t>(0, 5)};
    }
    const auto mode = static_cast<GradientFillMode>(in.ConsumeIntegralInRange<std::uint32_t>(0, 3));
    const Surface before = surface;
    const bool drawn = GradientFill(surface, vertices, mesh, mode);

    const bool valid = !vertices.empty() && !mesh.empty() &&
                       (mode == GradientFillMode::Horizontal || mode == GradientFillMode::Vertical) &&
                       std::all_of(mesh.begin(), mesh.end(), [&](const GradientMesh& m) {
                           return m.UpperLeft < vertices.size() && m.LowerRight < vertices.size();
                       });
    Require(drawn == valid, "GradientFill's result does not match its arguments' validity", input);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            // The last rectangle that covers the pixel painted it; its channels lie between the
            // two vertices' channels.
            const GradientMesh* last = nullptr;
            for (std::size_t i = 0; valid && i < mesh.size(); ++i) {
                const GradientMesh& m = mesh[i];
                const TriVertex& a = vertices[m.UpperLeft];
                const TriVertex& b = vertices[m.LowerRight];
                if (InBox(x, y, std::min(a.X, b.X), std::min(a.Y, b.Y),
                                   std::max(a.X, b.X), std::max(a.Y, b.Y))) {
                    last = &m;
                }
            }
            if (!last) {
                Require(surface.Point(x, y) == before.Point(x, y),
                        "GradientFill drew outside its rectangles", input);
                continue;
            }
            const TriVertex& a = vertices[last->UpperLeft];
            const TriVertex& b = vertices[last->LowerRight];
            // The 32-bit arithmetic of the ramp is exact up to 65,537 pixels; past that it wraps.
            const std::int64_t length = mode == GradientFillMode::Horizontal
                                            ? std::abs(std::int64_t{b.X} - a.X)
                                            : std::abs(std::int64_t{b.Y} - a.Y);
            if (length > 65537) {
                continue;
            }
            const auto between = [](int value, int c0, int c1) {
                return value >= std::min(c0, c1) >> 8 && value <= std::max(c0, c1) >> 8;
            };
            const Colour c = surface.Point(x, y);
            Require(between(RedByte(c), a.Red, b.Red) && between(GreenByte(c), a.Green, b.Green) &&
                        between(BlueByte(c), a.Blue, b.Blue),
                    "a gradient pixel lies outside its two colours", input);
        }
    }
}

void FuzzRoundRect(FuzzedDataProvider& in, std::string_view input) {
    Surface surface = PatternSurface(in);
    surface.SetForeColor(in.ConsumeIntegral<std::uint32_t>());
    const std::int32_t x1 = Coordinate(in), y1 = Coordinate(in), x2 = Coordinate(in),
                       y2 = Coordinate(in), w = Coordinate(in), h = Coordinate(in);
    const Surface before = surface;
    Require(RoundRect(surface, x1, y1, x2, y2, w, h), "RoundRect returned false", input);

    const std::int64_t left = std::min(x1, x2), right = std::max(x1, x2);
    const std::int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
    const Colour pen = Opaque(surface.ForeColor());
    // Whether the call drew the pixel; unknown (-1) where the pixel had the pen's colour before.
    const auto drawn = [&](std::int64_t x, std::int64_t y) {
        if (!InBox(x, y, 0, 0, surface.Width(), surface.Height())) {
            return -1;
        }
        const Colour was = before.Point(static_cast<int>(x), static_cast<int>(y));
        return was == pen ? -1 : int{surface.Point(static_cast<int>(x), static_cast<int>(y)) != was};
    };
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const Colour now = surface.Point(x, y);
            Require(now == before.Point(x, y) || (now == pen && InBox(x, y, left, top, right, bottom)),
                    "RoundRect drew outside its box or in another colour", input);
            // The outline is its own mirror image about the box's two middle lines.
            for (const auto& [mx, my] : {std::pair{left + right - 1 - x, std::int64_t{y}},
                                         std::pair{std::int64_t{x}, top + bottom - 1 - y}}) {
                const int here = drawn(x, y);
                const int there = drawn(mx, my);
                Require(here < 0 || there < 0 || here == there, "RoundRect's outline is not symmetric",
                        input);
            }
        }
    }
    // Both ends of the box's middle row are drawn, unless the box is a single pixel.
    if (right > left && bottom > top && (right - left > 1 || bottom - top > 1)) {
        const std::int64_t middle = top + (bottom - top - 1) / 2;
        for (const std::int64_t x : {left, right - 1}) {
            Require(drawn(x, middle) != 0, "RoundRect left out a side of its box", input);
        }
    }
}

void FuzzRegion(FuzzedDataProvider& in, std::string_view input) {
    const std::int32_t x1 = Coordinate(in), y1 = Coordinate(in), x2 = Coordinate(in),
                       y2 = Coordinate(in), w = Coordinate(in), h = Coordinate(in);
    const Region region = CreateRoundRectRgn(x1, y1, x2, y2, w, h);
    const auto clamp = [](std::int32_t v) { return std::clamp<std::int64_t>(v, -32768, 32768); };
    // The box without its last column and row; a box of no width keeps the column left of it.
    const std::int64_t left = std::min(clamp(x1), clamp(x2));
    const std::int64_t right = std::max(clamp(x1), clamp(x2)) - 1;
    const std::int64_t top = std::min(clamp(y1), clamp(y2));
    const std::int64_t bottom = std::max(clamp(y1), clamp(y2)) - 1;
    const auto& spans = region.Spans();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Region::Span& s = spans[i];
        Require(s.XBegin < s.XEnd, "a region span is empty", input);
        Require(s.XBegin >= std::min(left, right) && s.XEnd <= std::max(left, right) &&
                    s.Y >= std::min(top, bottom) && s.Y < std::max(top, bottom),
                "a region span lies outside its box", input);
        if (i > 0) {
            const Region::Span& p = spans[i - 1];
            Require(p.Y < s.Y || (p.Y == s.Y && p.XEnd < s.XBegin),
                    "region spans are not ordered and merged", input);
        }
    }
    // A rounded rectangle is one span per row, symmetric about both of its axes.
    for (std::size_t i = 0, j = spans.size(); i < spans.size(); ++i) {
        const Region::Span& s = spans[i];
        const Region::Span& m = spans[--j];
        Require(s.Y + std::int64_t{m.Y} == top + bottom - 1 &&
                    s.XBegin + std::int64_t{s.XEnd} == left + right &&
                    s.XBegin == m.XBegin && s.XEnd == m.XEnd,
                "the region is not one mirror-symmetric span per row", input);
    }
}

void FuzzTransparentBlt(FuzzedDataProvider& in, std::string_view input) {
    Surface dest = PatternSurface(in);
    const bool same = in.ConsumeBool();
    Surface other = PatternSurface(in);
    const Surface& src = same ? dest : other;
    const std::int32_t xDest = Coordinate(in), yDest = Coordinate(in), width = Coordinate(in),
                       height = Coordinate(in), xSrc = Coordinate(in), ySrc = Coordinate(in);
    const bool stretch = in.ConsumeBool();
    const std::int32_t srcWidth = stretch ? Coordinate(in) : width;
    const std::int32_t srcHeight = stretch ? Coordinate(in) : height;
    // A transparent colour taken from the source when there is one, so that it occurs.
    const Colour transparent = src.Point(in.ConsumeIntegralInRange(0, kMaxSide),
                                         in.ConsumeIntegralInRange(0, kMaxSide));
    const Surface before = dest;
    const Surface source = src;
    const bool drawn = TransparentBlt(dest, xDest, yDest, width, height, src, xSrc, ySrc, srcWidth,
                                      srcHeight, transparent);
    const bool valid = width >= 0 && height >= 0 && srcWidth == width && srcHeight == height;
    Require(drawn == valid, "TransparentBlt's result does not match its arguments", input);
    for (int y = 0; y < dest.Height(); ++y) {
        for (int x = 0; x < dest.Width(); ++x) {
            const bool inside = valid && InBox(x, y, xDest, yDest, std::int64_t{xDest} + width,
                                               std::int64_t{yDest} + height);
            if (!inside) {
                Require(dest.Point(x, y) == before.Point(x, y), "TransparentBlt drew outside",
                        input);
                continue;
            }
            // The block's pixel: the source's, or black where the block reaches past the source.
            const std::int64_t sx = std::int64_t{x} - xDest + xSrc;
            const std::int64_t sy = std::int64_t{y} - yDest + ySrc;
            const Colour pixel = InBox(sx, sy, 0, 0, source.Width(), source.Height())
                                     ? source.Point(static_cast<int>(sx), static_cast<int>(sy))
                                     : 0;
            const bool copied = pixel != Opaque(transparent);
            Require(dest.Point(x, y) == (copied ? pixel : before.Point(x, y)),
                    "TransparentBlt copied the wrong pixels", input);
        }
    }
}

void FuzzSetDIBits(FuzzedDataProvider& in, std::string_view input) {
    Surface surface = PatternSurface(in);
    BitmapInfo info;
    info.Header.Width = in.ConsumeBool() ? in.ConsumeIntegral<std::int32_t>()
                                         : in.ConsumeIntegralInRange(-2, kMaxSide);
    info.Header.Height = in.ConsumeBool() ? in.ConsumeIntegral<std::int32_t>()
                                          : in.ConsumeIntegralInRange(-2, kMaxSide);
    if (in.ConsumeBool()) {
        info.Header.BitCount = in.ConsumeIntegral<std::uint16_t>();
        info.Header.Compression = in.ConsumeIntegral<std::uint32_t>();
        info.Header.Planes = in.ConsumeIntegral<std::uint16_t>();
    }
    const std::int32_t xDest = Coordinate(in), yDest = Coordinate(in);
    const auto width = static_cast<std::uint32_t>(Coordinate(in));
    const auto height = static_cast<std::uint32_t>(Coordinate(in));
    const std::int32_t xSrc = Coordinate(in), ySrc = Coordinate(in);
    const auto startScan = static_cast<std::uint32_t>(Coordinate(in));
    const auto scanLines = static_cast<std::uint32_t>(Coordinate(in));
    const auto colours = static_cast<DibColours>(in.ConsumeIntegralInRange(0, 1));
    const std::vector<std::uint8_t> bits = in.ConsumeRemainingBytes<std::uint8_t>();
    const Surface before = surface;
    const std::int32_t taken = SetDIBitsToDevice(surface, xDest, yDest, width, height, xSrc, ySrc,
                                                 startScan, scanLines, bits, info, colours);
    Require(taken == 0 || static_cast<std::uint32_t>(taken) == scanLines,
            "SetDIBitsToDevice took another number of lines than given", input);
    const std::size_t stride = DibStride(info.Header.Width, 24);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            // The source pixel that lands here: its column, and its row counted from the bottom.
            const std::int64_t column = std::int64_t{xSrc} + (x - std::int64_t{xDest});
            const std::int64_t row = std::int64_t{ySrc} + std::int64_t{height} - 1 - (y - std::int64_t{yDest});
            const bool lands = taken != 0 &&
                               InBox(x, y, xDest, yDest, std::int64_t{xDest} + width,
                                     std::int64_t{yDest} + height) &&
                               InBox(column, row, 0, 0, info.Header.Width, info.Header.Height) &&
                               row >= startScan && row < std::int64_t{startScan} + scanLines;
            if (!lands) {
                Require(surface.Point(x, y) == before.Point(x, y), "SetDIBitsToDevice drew outside",
                        input);
                continue;
            }
            const std::size_t at = static_cast<std::size_t>(row - startScan) * stride +
                                   static_cast<std::size_t>(column) * 3;
            Require(at + 3 <= bits.size() &&
                        surface.Point(x, y) == Rgb(bits[at + 2], bits[at + 1], bits[at]),
                    "SetDIBitsToDevice copied the wrong pixel", input);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0: FuzzGradientFill(in, input); break;
        case 1: FuzzRoundRect(in, input); break;
        case 2: FuzzRegion(in, input); break;
        case 3: FuzzTransparentBlt(in, input); break;
        default: FuzzSetDIBits(in, input); break;
    }
    return 0;
}
