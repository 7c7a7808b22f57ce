#include "app/gdi/gradient_fill.h"

#include <algorithm>
#include <cstdint>

#include "app/gdi/avx2_clones.h"
#include "app/gdi/pixel_run.h"

namespace tolvane::gdi {

namespace {

// Walks a gradient of `length` pixels one offset at a time. Each channel is
//     (c0 * (length - pos) + c1 * pos) / (length * 256)
// truncated (the two truncating divisions of the rule in one); the walker keeps its quotient and
// remainder and adds the per-pixel change c1 - c0 to them, so only the start needs a division.
class RampWalker {
  public:
    RampWalker(const TriVertex& from, const TriVertex& to, std::int64_t length, std::int64_t first)
        : divisor_(length * 256) {
        const std::int64_t start[] = {from.Red, from.Green, from.Blue};
        const std::int64_t end[] = {to.Red, to.Green, to.Blue};
        for (int channel = 0; channel < 3; ++channel) {
            const std::int64_t numerator = start[channel] * (length - first) + end[channel] * first;
            quotient_[channel] = numerator / divisor_;
            remainder_[channel] = numerator % divisor_;
            // The change per pixel as a floored quotient and a remainder in [0, divisor).
            const std::int64_t delta = end[channel] - start[channel];
            step_quotient_[channel] = delta / divisor_;
            step_remainder_[channel] = delta % divisor_;
            if (step_remainder_[channel] < 0) {
                step_remainder_[channel] += divisor_;
                --step_quotient_[channel];
            }
        }
    }

    Colour Current() const {
        return static_cast<Colour>(quotient_[0] | quotient_[1] << 8 | quotient_[2] << 16);
    }

    void Advance() {
        for (int channel = 0; channel < 3; ++channel) {
            remainder_[channel] += step_remainder_[channel];
            quotient_[channel] += step_quotient_[channel];
            if (remainder_[channel] >= divisor_) {
                remainder_[channel] -= divisor_;
                ++quotient_[channel];
            }
        }
    }

  private:
    std::int64_t divisor_;
    std::int64_t quotient_[3];  // red, green, blue
    std::int64_t remainder_[3];
    std::int64_t step_quotient_[3];
    std::int64_t step_remainder_[3];
};

// Sets count pixels to one colour; built twice, and the wider stores of AVX2 are used where
// the processor has them.
TOLVANE_AVX2_CLONES void FillPixels(Colour* begin, std::size_t count, Colour colour) {
    std::fill(begin, begin + count, colour);
}

void FillHorizontal(Surface& surface, const TriVertex& a, const TriVertex& b) {
    const TriVertex& left = a.X <= b.X ? a : b;
    const TriVertex& right = a.X <= b.X ? b : a;
    const std::int64_t length = std::int64_t{right.X} - left.X;
    const PixelRun columns = ClippedRun(left.X, right.X, surface.Width());
    const PixelRun rows = ClippedRun(std::min(a.Y, b.Y), std::max(a.Y, b.Y), surface.Height());
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return;
    }
    // Every row of a horizontal gradient is the same: compute the first, copy it to the rest.
    RampWalker ramp(left, right, length, columns.Begin - left.X);
    const auto first = surface.Row(static_cast<int>(rows.Begin));
    for (std::int64_t x = columns.Begin; x < columns.End; ++x, ramp.Advance()) {
        first[static_cast<std::size_t>(x)] = ramp.Current();
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
    const std::int64_t length = std::int64_t{bottom.Y} - top.Y;
    const PixelRun columns = ClippedRun(std::min(a.X, b.X), std::max(a.X, b.X), surface.Width());
    const PixelRun rows = ClippedRun(top.Y, bottom.Y, surface.Height());
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return;
    }
    RampWalker ramp(top, bottom, length, rows.Begin - top.Y);
    for (std::int64_t y = rows.Begin; y < rows.End; ++y, ramp.Advance()) {
        const auto row = surface.Row(static_cast<int>(y));
        FillPixels(row.data() + columns.Begin, static_cast<std::size_t>(columns.Length()),
                   ramp.Current());
    }
}

}  // namespace

bool GradientFill(Hdc hdc, std::span<const TriVertex> vertices, std::span<const GradientMesh> mesh,
                  GradientFillMode mode) {
    if (mode != GradientFillMode::Horizontal && mode != GradientFillMode::Vertical) {
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
