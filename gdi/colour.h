#pragma once

#include <cstdint>

namespace tolvane::gdi {

// A colour as the drawing calls take it: 0x00BBGGRR, red in the low byte. A value with the top bit
// set names a system colour; the drawing layer uses only the three low bytes.
using Colour = std::uint32_t;

// What Point returns for a pixel outside the surface.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

inline constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}

inline constexpr std::uint8_t RedByte(Colour c) {
    return static_cast<std::uint8_t>(c & 0xFFu);
}
inline constexpr std::uint8_t GreenByte(Colour c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFFu);
}
inline constexpr std::uint8_t BlueByte(Colour c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFFu);
}

// The colour without its top byte: what a surface pixel stores.
inline constexpr Colour Opaque(Colour c) {
    return c & 0x00FFFFFFu;
}

}  // namespace tolvane::gdi
