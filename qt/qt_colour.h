#pragma once

#include <QColor>

#include "gdi/colour.h"

namespace tolvane::qt {

// A 0x00BBGGRR colour as Qt takes it, fully opaque. The top byte (the system-colour flag) is
// ignored; callers that honour system colours look at it first.
inline QColor ToQColor(gdi::Colour colour) {
    return QColor(gdi::RedByte(colour), gdi::GreenByte(colour), gdi::BlueByte(colour));
}

// True when the colour names a system colour rather than red, green and blue.
inline bool IsSystemColour(gdi::Colour colour) {
    return (colour & 0x80000000u) != 0;
}

}  // namespace tolvane::qt
