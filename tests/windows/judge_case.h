#pragma once

// What the drawing judge's cases are made of: random arguments drawn from a seed, the pictures
// the two sides leave behind, and the operations that draw them.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "gdi/colour.h"
#include "gdi/surface.h"

namespace tolvane::judge {

// ---- Random numbers: splitmix64, so that a seed means the same cases everywhere.

inline std::uint64_t Mix(std::uint64_t x) {
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
inline gdi::Colour PatternColour(int pattern, int x, int y) {
    const std::uint64_t where = static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32 |
                                static_cast<std::uint32_t>(y);
    return static_cast<gdi::Colour>(Mix(Mix(static_cast<std::uint64_t>(pattern)) ^ where)) &
           0x00FFFFFFu;
}

// A random coordinate about a surface edge of `limit` pixels: mostly near it, so that clipping
// is common, sometimes anywhere in [low, high].
inline int Coordinate(Random& random, int limit, int low, int high) {
    if (random.Percent(15)) {
        return random.Between(low, high);
    }
    return random.Between(std::max(low, -8), std::min(high, limit + 8));
}

// Now and then a coordinate far from any surface: within +-2^30, so that a coordinate plus a size
// still fits 32 bits in the Windows calls' own arithmetic.
inline constexpr int kFar = 1 << 30;

inline int FarCoordinate(Random& random, int limit, int low, int high) {
    return random.Percent(3) ? random.Between(-kFar, kFar) : Coordinate(random, limit, low, high);
}

// A corner ellipse's width or height: 0 to 40 pixels, a tenth of them negative.
inline int EllipseSize(Random& random) {
    const int size = random.Between(0, 40);
    return random.Percent(10) ? -size : size;
}

// ---- Cases: an operation and its integer arguments.

using Args = std::vector<int>;

// Shrinking leaves an argument with this simplest value as it was drawn.
constexpr int kKeep = INT_MIN;

// How an argument is shown, and how it shrinks: a count or coordinate step by step, a colour or
// a pattern only straight to its simplest value.
enum class Kind { kNumber, kColour, kPattern };

struct Parameter {
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

struct Operation {
    const char* name;
    std::vector<Parameter> parameters;
    Args (*generate)(Random&);
    // Whether the Windows side's picture is defined for these arguments; shrinking keeps to such
    // cases. Null when it always is.
    bool (*defined)(const Args&);
    Picture (*ours)(const Args&);
    Picture (*windows)(const Args&);
};

// ---- The starting picture. The drawing operations take the surface's width, height and
// pattern as their first three arguments; pattern 0 is plain black.

enum SurfaceArg { kWidth, kHeight, kPattern };

inline gdi::Surface StartSurface(int width, int height, int pattern) {
    gdi::Surface surface(width, height);
    if (pattern != 0) {
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                surface.PSet(x, y, PatternColour(pattern, x, y));
            }
        }
    }
    return surface;
}

inline gdi::Surface StartSurface(const Args& a) {
    return StartSurface(a[kWidth], a[kHeight], a[kPattern]);
}

inline Picture PictureOf(const gdi::Surface& surface, long long result) {
    const auto pixels = surface.Pixels();
    return {surface.Width(), surface.Height(), 0, 0, {pixels.begin(), pixels.end()}, result};
}

// The operations judged: the five drawing calls, and the button's looks drawn through them.
extern const Operation kGradientFill;
extern const Operation kRoundRect;
extern const Operation kCreateRoundRectRgn;
extern const Operation kTransparentBlt;
extern const Operation kSetDIBitsToDevice;
extern const Operation kButtonLook;

}  // namespace tolvane::judge
