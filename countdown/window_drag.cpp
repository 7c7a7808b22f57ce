#include "countdown/window_drag.h"

#include <cmath>

#include "base/rounding.h"

namespace tolvane::countdown {

namespace {

// Rounds half to even into 64 bits; a value that is no number or beyond any screen keeps the
// window where it is rather than moving it to a wrapped-around place.
std::optional<std::int64_t> RoundPosition(double value) {
    constexpr double kLimit = 1e15;
    if (!(std::fabs(value) < kLimit)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(base::RoundHalfEven(value));
}

}  // namespace

void WindowDrag::MouseDown(float x, float y) {
    const auto start_x = RoundPosition(x);
    const auto start_y = RoundPosition(y);
    if (!start_x || !start_y) {
        return;
    }
    dragging_ = true;
    start_x_ = *start_x;
    start_y_ = *start_y;
}

std::optional<WindowDrag::Position> WindowDrag::MouseMove(double left, double top, float x,
                                                          float y) {
    if (!dragging_) {
        return std::nullopt;
    }
    // Single precision as the window delivers its positions; the sum keeps the pressed point
    // under the pointer because x and y move with the window.
    const auto new_left = RoundPosition(
        static_cast<double>(static_cast<float>(left) - static_cast<float>(start_x_) + x));
    const auto new_top = RoundPosition(
        static_cast<double>(static_cast<float>(top) - static_cast<float>(start_y_) + y));
    if (!new_left || !new_top) {
        return std::nullopt;
    }
    return Position{*new_left, *new_top};
}

}  // namespace tolvane::countdown
