#pragma once

#include <algorithm>
#include <cstdint>

namespace tolvane::gdi {

// A half-open run of pixel coordinates, Begin <= c < End, held in 64 bits so that a 32-bit
// coordinate plus a 32-bit size never overflows before it is clipped.
struct PixelRun {
    std::int64_t Begin = 0;
    std::int64_t End = 0;

    constexpr bool IsEmpty() const { return End <= Begin; }
    constexpr std::int64_t Length() const { return IsEmpty() ? 0 : End - Begin; }
};

// The part of [begin, end) that lies inside [0, limit): what survives clipping to a surface
// edge of `limit` pixels.
constexpr PixelRun ClippedRun(std::int64_t begin, std::int64_t end, std::int64_t limit) {
    return {std::max<std::int64_t>(begin, 0), std::min<std::int64_t>(end, limit)};
}

}  // namespace tolvane::gdi
