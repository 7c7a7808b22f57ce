#pragma once

#include <optional>

#include <QColor>

#include "gdi/colour.h"

namespace tolvane::styler {

// The button's colours (0x00BBGGRR) as QML colors and back, every bit kept: red, green and blue
// are the three low bytes, and the top byte, which is 0x80 for a system colour, is 255 minus the
// alpha. A colour without a top byte is opaque; the system colour 0x80000012 is "#7f120000"
// (QML writes #AARRGGBB); "transparent" is 0xFF000000.
inline QColor ToQmlColor(gdi::Colour colour) {
    return QColor(gdi::RedByte(colour), gdi::GreenByte(colour), gdi::BlueByte(colour),
                  255 - static_cast<int>(colour >> 24));
}

// None for an invalid color, which names no colour.
inline std::optional<gdi::Colour> FromQmlColor(const QColor& color) {
    if (!color.isValid()) {
        return std::nullopt;
    }
    const QColor rgb = color.toRgb();
    const auto top = static_cast<gdi::Colour>(255 - rgb.alpha());
    return gdi::Rgb(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                    static_cast<std::uint8_t>(rgb.blue())) |
           (top << 24);
}

}  // namespace tolvane::styler
