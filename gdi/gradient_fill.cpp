#include "gdi/gradient_fill.h"

#include <algorithm>
#include <cstdint>

#include "gdi/avx2_clones.h"
#include "gdi/drawing_observer.h"
#include "gdi/pixel_run.h"

namespace tolvane::gdi {

namespace {

// The colour `pos` pixels into a gradient of `length` pixels from `from` to `to`. Each channel is
// (c0 * (length - pos) + c1 * pos) / length / 256 in 32-bit unsigned arithmetic, as the Windows
// calls compute it: exact up to 65,537 pixels, past that the products wrap, and of a quotient
// above 255 the low byte is kept. Coordinates enter modulo 2^32 too, so a length of more than
// 2^31 pixels still counts right.
Colour RampColour(const TriVertex& from, const TriVertex& to, std::uint32_t pos,
                  std::uint32_t length) {
    const auto channel = [&](std::uint32_t c0, std::uint32_t c1) {
        return (c0 * (length - pos) + c1 * pos) / length / 256 & 0xFFu;
    };
    return channel(from.Red, to.Red) | channel(from.Green, to.Green) << 8 |
           channel(from.Blue, to.Blue) << 16;
}

// How far coordinate c lies from start, modulo 2^32 as the ramp takes it.
std::uint32_t Offset(std::int64_t c, std::int32_t start) {
    return static_cast<std::uint32_t>(c - start);
}

// Sets count pixels to one colour; built twice, and the wider stores of AVX2 are used where
// the processor has them.
TOLVANE_AVX2_CLONES void FillPixels(Colour* begin, std::size_t count, Colour colour) {
    std::fill(begin, begin + count, colour);
}

void FillHorizontal(Surface& surface, const TriVertex& a, const TriVertex& b) {
    const TriVertex& left = a.X <= b.X ? a : b;
    const TriVertex& right = a.X <= b.X ? b : a;
    const PixelRun columns = ClippedRun(left.X, right.X, surface.Width());
    const PixelRun rows = ClippedRun(std::min(a.Y, b.Y), std::max(a.Y, b.Y), surface.Height());
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return;
    }
    // Every row of a horizontal gradient is the same: compute the first, copy it to the rest.
    const std::uint32_t length = Offset(right.X, left.X);
    const auto first = surface.Row(static_cast<int>(rows.Begin));
    for (std::int64_t x = columns.Begin; x < columns.End; ++x) {
        first[static_cast<std::size_t>(x)] = RampColour(left, right, Offset(x, left.X), length);
    }
    const auto begin = first.begin() + columns.Begin;
    const auto end = first.begin() + columns.End;
    for (std::int64_t y = rows.Begin + 1; y < rows.End; ++y) {
        std::copy(begin, end, surface.Row(static_cast<int>(y)).begin() + columns.Begin);
    }
}

void FillVertical(Surface& surface, const TriVertex& a, const TriVertex& b) {
    const TriVertex& top = a.Y <= b.Y ? a : b;
    const TriVertex& bottom = a.Y <= b.Y ? b : a;
    const PixelRun columns = ClippedRun(std::min(a.X, b.X), std::max(a.X, b.X), surface.Width());
    const PixelRun rows = ClippedRun(top.Y, bottom.Y, surface.Height());
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return;
    }
    const std::uint32_t length = Offset(bottom.Y, top.Y);
    for (std::int64_t y = rows.Begin; y < rows.End; ++y) {
        const auto row = surface.Row(static_cast<int>(y));
        FillPixels(row.data() + columns.Begin, static_cast<std::size_t>(columns.Length()),
                   RampColour(top, bottom, Offset(y, top.Y), length));
    }
}

}  // namespace

bool GradientFill(Hdc hdc, std::span<const TriVertex> vertices, std::span<const GradientMesh> mesh,
                  GradientFillMode mode) {
    if (DrawingObserver* observer = hdc.Observer()) {
        observer->GradientFilled(vertices, mesh, mode);
    }
    if (vertices.empty() || mesh.empty() ||
        (mode != GradientFillMode::Horizontal && mode != GradientFillMode::Vertical)) {
        return false;
    }
    const bool indicesValid = std::all_of(mesh.begin(), mesh.end(), [&](const GradientMesh& rect) {
        return rect.UpperLeft < vertices.size() && rect.LowerRight < vertices.size();
    });
    if (!indicesValid) {
        return false;
    }
    for (const GradientMesh& rect : mesh) {
        const TriVertex& a = vertices[rect.UpperLeft];
        const TriVertex& b = vertices[rect.LowerRight];
        if (mode == GradientFillMode::Horizontal) {
            FillHorizontal(hdc, a, b);
        } else {
            FillVertical(hdc, a, b);
        }
    }
    return true;
}

}  // namespace tolvane::gdi
