#include "stylerbutton/core/primitives.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cfenv>
#include <cstring>
#include <string>

#include "gdi/avx2_clones.h"
#include "gdi/bitmap_info.h"
#include "gdi/gradient_fill.h"
#include "gdi/pixel_run.h"
#include "gdi/set_dibits_to_device.h"
#include "gdi/set_rect.h"
#include "base/overflow_error.h"
#include "base/rounding.h"

namespace tolvane::styler {

namespace {

// A ramp value lies within 2e-5 of a channel between the ramp's two ends (the float step is off
// by at most 2^-24 of the whole change), so always in [-0.5, 255.5). The two roundings below give
// base::RoundHalfEven of such a value without its library calls, for the per-pixel loops.

// Independent of the floating-point rounding mode: truncation is the floor here (or gives 0 for
// a value that rounds to 0 anyway), and value - whole is exact.
inline std::uint8_t RoundChannelAnyMode(double value) {
    assert(value >= -0.5 && value < 255.5);
    const int whole = static_cast<int>(value);
    const double fraction = value - whole;
    const int up = static_cast<int>(fraction > 0.5) | (static_cast<int>(fraction == 0.5) & whole);
    return static_cast<std::uint8_t>(whole + (up & 1));
}

// Only under round-to-nearest-even, the default mode: adding 1.5 * 2^52 leaves no fraction bits,
// so the addition itself rounds half to even and the integer sits in the low mantissa bits
// (1.5 * 2^52 is even, so the parity of the result is that of the rounded value).
constexpr double kIntegerBias = 6755399441055744.0;

inline std::uint32_t RoundedLowByte(double value) {
    return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(value + kIntegerBias) & 0xFFu);
}

// Entries [from, to) of a ramp (start and step per channel, blue, green, red) as blue, green, red
// bytes, rounded with the bias above. Each block of entries is first computed as packed
// 0x00RRGGBB words, a loop the compiler vectorises, then stored three bytes apart with
// overlapping four-byte writes. Also built for AVX2: besides the wider vectors, its VEX-encoded
// instructions keep full speed when earlier AVX code (a toolkit's text or blending routines) has
// left the upper vector registers dirty, which slows the plain SSE build down several times on
// some processors.
TOLVANE_AVX2_CLONES void WriteRampNearestMode(const double (&start)[3], const double (&step)[3],
                                              std::int64_t from, std::int64_t to,
                                              std::uint8_t* out) {
    constexpr std::int64_t kBlock = 64;
    std::uint32_t packed[kBlock];
    const double stepBlue = step[0], stepGreen = step[1], stepRed = step[2];
    const double blue = start[0], green = start[1], red = start[2];
    for (std::int64_t base = from; base < to; base += kBlock) {
        const int count = static_cast<int>(std::min(kBlock, to - base));
        const double first = static_cast<double>(base);  // whole numbers below 2^53: exact
        for (int k = 0; k < count; ++k) {
            const double i = first + static_cast<double>(k);
            packed[k] = RoundedLowByte(stepBlue * i + blue) |
                        RoundedLowByte(stepGreen * i + green) << 8 |
                        RoundedLowByte(stepRed * i + red) << 16;
        }
        int k = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // The fourth byte of each write is the next entry's first, written next.
            for (; k + 1 < count; ++k, out += 3) {
                std::memcpy(out, &packed[k], 4);
            }
        }
        for (; k < count; ++k, out += 3) {
            out[0] = static_cast<std::uint8_t>(packed[k]);
            out[1] = static_cast<std::uint8_t>(packed[k] >> 8);
            out[2] = static_cast<std::uint8_t>(packed[k] >> 16);
        }
    }
}

// A ramp of BuildColourRamp held as its start and steps, so that any entry can be computed on
// its own: the four-corner gradient computes only the entries that land on the surface.
class ColourRamp {
  public:
    ColourRamp(std::int32_t count, ColourTriple start, ColourTriple end)
        : start_{static_cast<double>(start.Blue), static_cast<double>(start.Green),
                 static_cast<double>(start.Red)},
          step_{Step(start.Blue, end.Blue, count), Step(start.Green, end.Green, count),
                Step(start.Red, end.Red, count)} {}

    ColourTriple Entry(std::int64_t index) const {
        const auto i = static_cast<double>(index);
        return {RoundChannelAnyMode(step_[0] * i + start_[0]),
                RoundChannelAnyMode(step_[1] * i + start_[1]),
                RoundChannelAnyMode(step_[2] * i + start_[2])};
    }

    // Entries [from, to) as blue, green, red bytes, in any rounding mode.
    void WriteEntries(std::int64_t from, std::int64_t to, std::uint8_t* out) const {
        const double stepBlue = step_[0], stepGreen = step_[1], stepRed = step_[2];
        const double blue = start_[0], green = start_[1], red = start_[2];
        double i = static_cast<double>(from);  // whole numbers below 2^53: exact
        for (std::int64_t index = from; index < to; ++index, i += 1.0, out += 3) {
            out[0] = RoundChannelAnyMode(stepBlue * i + blue);
            out[1] = RoundChannelAnyMode(stepGreen * i + green);
            out[2] = RoundChannelAnyMode(stepRed * i + red);
        }
    }

    // The same entries, faster, under round-to-nearest-even only.
    void WriteEntriesNearestMode(std::int64_t from, std::int64_t to, std::uint8_t* out) const {
        WriteRampNearestMode(start_, step_, from, to, out);
    }

  private:
    static double Step(std::uint8_t from, std::uint8_t to, std::int32_t count) {
        return GradientStep(static_cast<std::int16_t>(to - from), count);
    }

    double start_[3];  // blue, green, red
    double step_[3];   // the float steps, exactly
};

ColourTriple TripleOf(gdi::Colour colour) {
    return {static_cast<std::uint8_t>(BlueOf(colour)), static_cast<std::uint8_t>(GreenOf(colour)),
            static_cast<std::uint8_t>(RedOf(colour))};
}

gdi::TriVertex VertexOf(std::int32_t x, std::int32_t y, gdi::Colour colour) {
    const auto channel = [](gdi::Colour value) {
        return static_cast<std::uint16_t>(
            ToColour16(static_cast<std::int32_t>(value & 255u) * 256));
    };
    return {x, y, channel(colour), channel(colour >> 8), channel(colour >> 16), 0};
}

[[noreturn]] void ThrowSize(const char* routine, const char* argument, std::int64_t value,
                            const char* problem) {
    throw GradientSizeError(std::string(routine) + ": " + argument + " " + std::to_string(value) +
                            " " + problem);
}

}  // namespace

std::int16_t ToColour16(std::int32_t value) {
    if (value < -32768 || value > 65535) {
        throw base::OverflowError("overflow: " + std::to_string(value) +
                                     " does not fit a 16-bit colour channel");
    }
    return static_cast<std::int16_t>(value < 32768 ? value : value - 65536);
}

void SetGradientRect(gdi::Rect& gradientRect, std::int32_t left, std::int32_t top,
                     std::int32_t right, std::int32_t bottom) {
    gdi::SetRect(gradientRect, left, top, right, bottom);
}

void FillGradient(gdi::Hdc hdc, const gdi::Rect& gradientRect, std::int32_t mode, gdi::Colour start,
                  gdi::Colour end) {
    const gdi::TriVertex vertices[] = {VertexOf(gradientRect.Left, gradientRect.Top, start),
                                       VertexOf(gradientRect.Right, gradientRect.Bottom, end)};
    const gdi::GradientMesh mesh[] = {{0, 1}};
    gdi::GradientFill(hdc, vertices, mesh,
                      static_cast<gdi::GradientFillMode>(static_cast<std::uint32_t>(mode)));
}

float GradientStep(std::int16_t delta, std::int32_t count) {
    if (delta == 0 || count == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(delta) / static_cast<double>(count));
}

void BuildColourRamp(std::vector<ColourTriple>& ramp, std::int32_t count, ColourTriple start,
                     ColourTriple end) {
    if (count < 0) {
        ThrowSize("BuildColourRamp", "Count", count, "is negative");
    }
    if (count > kMaxRampCount) {
        ThrowSize("BuildColourRamp", "Count", count, "is more than the longest ramp");
    }
    const ColourRamp entries(count, start, end);
    ramp.resize(static_cast<std::size_t>(count) + 1);
    for (std::int32_t i = 0; i <= count; ++i) {
        ramp[static_cast<std::size_t>(i)] = entries.Entry(i);
    }
}

void DrawGradientFourColour(gdi::Hdc hdc, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, gdi::Colour topLeft, gdi::Colour topRight,
                            gdi::Colour bottomLeft, gdi::Colour bottomRight) {
    if (height < 0) {
        ThrowSize("DrawGradientFourColour", "Height", height, "is negative");
    }
    if (width <= 0) {
        ThrowSize("DrawGradientFourColour", "Width", width, "is not positive");
    }
    const gdi::PixelRun columns = gdi::ClippedRun(left, std::int64_t{left} + width, hdc.Width());
    const gdi::PixelRun rows = gdi::ClippedRun(top, std::int64_t{top} + height, hdc.Height());
    if (columns.IsEmpty() || rows.IsEmpty()) {
        return;
    }
    const ColourRamp leftEdge(height, TripleOf(topLeft), TripleOf(bottomLeft));
    const ColourRamp rightEdge(height, TripleOf(topRight), TripleOf(bottomRight));
    gdi::BitmapInfo info;
    info.Header.Width = static_cast<std::int32_t>(columns.Length());
    info.Header.Height = 1;
    std::vector<std::uint8_t> line(gdi::DibStride(columns.Length(), 24));
    const bool nearestMode = std::fegetround() == FE_TONEAREST;
    for (std::int64_t y = rows.Begin - top; y < rows.End - top; ++y) {
        const ColourRamp row(width, leftEdge.Entry(y), rightEdge.Entry(y));
        if (nearestMode) {
            row.WriteEntriesNearestMode(columns.Begin - left, columns.End - left, line.data());
        } else {
            row.WriteEntries(columns.Begin - left, columns.End - left, line.data());
        }
        gdi::SetDIBitsToDevice(hdc, static_cast<std::int32_t>(columns.Begin),
                               static_cast<std::int32_t>(top + y), info.Header.Width, 1, 0, 0, 0, 1,
                               line, info, gdi::DibColours::Rgb);
    }
}

void FillRuns(gdi::Surface& surface, DeviceScale::Run xs, DeviceScale::Run ys, gdi::Colour colour) {
    for (std::int32_t y = ys.Begin; y < ys.End; ++y) {
        for (std::int32_t x = xs.Begin; x < xs.End; ++x) {
            surface.PSet(x, y, colour);
        }
    }
}

void PaintFocusDots(gdi::Surface& surface, const DeviceScale& scale) {
    const int width = surface.Width();
    const int height = surface.Height();
    // The loop limits are rounded as the surface reports its size in floating point.
    const std::int32_t lastX = base::RoundToInt32(width - scale.Px(5.0));
    const std::int32_t lastY = base::RoundToInt32(height - scale.Px(4.0));
    const DeviceScale::Run near = scale.FromNear(2);
    const DeviceScale::Run farX = scale.FromFar(width, 4);
    const DeviceScale::Run farY = scale.FromFar(height, 4);
    constexpr gdi::Colour kBlack = 0;
    // The dots of a row or column lie on every other logical pixel from `first` on, up to the
    // one that starts after `last`.
    const auto along = [&](std::int32_t first, std::int32_t last, auto&& place) {
        for (std::int32_t at = first;; at += 2) {
            const DeviceScale::Run run = scale.FromNear(at);
            if (run.Begin > last) {
                break;
            }
            place(run);
        }
    };
    along(3, lastX, [&](DeviceScale::Run xs) { FillRuns(surface, xs, near, kBlack); });
    along(4, lastY, [&](DeviceScale::Run ys) { FillRuns(surface, near, ys, kBlack); });
    along(3, lastX, [&](DeviceScale::Run xs) { FillRuns(surface, xs, farY, kBlack); });
    along(4, lastY, [&](DeviceScale::Run ys) { FillRuns(surface, farX, ys, kBlack); });
}

}  // namespace tolvane::styler
