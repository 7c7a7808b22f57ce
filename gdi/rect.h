#pragma once

#include <algorithm>
#include <cstdint>

namespace tolvane::gdi {

// A rectangle as the Windows RECT holds it. Half-open: it covers Left <= x < Right and
// Top <= y < Bottom, so (0, 0, 4, 3) is 4 x 3 pixels and a rectangle with Right <= Left or
// Bottom <= Top is empty.
struct Rect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

    // The part of this rectangle that lies inside other (empty when they do not meet).
    constexpr Rect Intersected(const Rect& other) const {
        return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
                std::min(Bottom, other.Bottom)};
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tolvane::gdi
