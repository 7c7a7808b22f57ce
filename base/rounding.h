#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>

#include "base/overflow_error.h"

namespace tolvane::base {

template <class T>
concept CheckedInteger = std::same_as<T, std::int16_t> || std::same_as<T, std::int32_t>;

namespace detail {
template <CheckedInteger T>
constexpr const char* TypeName() {
    return std::same_as<T, std::int16_t> ? "int16" : "int32";
}

std::string FormatForMessage(double value);

template <CheckedInteger T>
[[noreturn]] void ThrowOverflow(const std::string& value) {
    throw OverflowError("overflow: " + value + " does not fit " + TypeName<T>());
}
}  // namespace detail

// Nearest integer, an exact half going to the even neighbour: 9.5 -> 10, 10.5 -> 10,
// 127.5 -> 128, -2.5 -> -2. Independent of the floating-point rounding mode.
inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) {
        return floor;
    }
    if (diff > 0.5) {
        return floor + 1.0;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// Rounds half to even into a 16- or 32-bit signed integer; NaN, infinities and results that do
// not fit raise OverflowError naming the value.
template <CheckedInteger T>
T RoundTo(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<T>::max()))) {
        detail::ThrowOverflow<T>(detail::FormatForMessage(value));
    }
    return static_cast<T>(rounded);
}

inline std::int16_t RoundToInt16(double value) {
    return RoundTo<std::int16_t>(value);
}
inline std::int32_t RoundToInt32(double value) {
    return RoundTo<std::int32_t>(value);
}

// Narrows a wide integer into T, raising OverflowError when it does not fit.
template <CheckedInteger T>
T CheckedNarrow(std::int64_t value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        detail::ThrowOverflow<T>(std::to_string(value));
    }
    return static_cast<T>(value);
}

// Checked 16- and 32-bit arithmetic: the exact result is computed in 64 bits and must fit T.
template <CheckedInteger T>
T CheckedAdd(T a, T b) {
    return CheckedNarrow<T>(std::int64_t{a} + std::int64_t{b});
}

template <CheckedInteger T>
T CheckedSub(T a, T b) {
    return CheckedNarrow<T>(std::int64_t{a} - std::int64_t{b});
}

template <CheckedInteger T>
T CheckedMul(T a, T b) {
    return CheckedNarrow<T>(std::int64_t{a} * std::int64_t{b});
}

}  // namespace tolvane::base
