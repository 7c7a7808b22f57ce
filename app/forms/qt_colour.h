#pragma once

#include <QColor>

#include "app/gdi/colour.h"

namespace tolvane::forms {

// A 0x00BBGGRR colour as Qt takes it, fully opaque. The top byte (the system-colour flag) is
// ignored; callers that honour system colours look at it first.
inline QColor ToQColor(gdi::Colour colour) {
    return QColor(gdi::RedByte(colour), gdi::GreenByte(colour), gdi::BlueByte(colour));
}

// True when the colour names a system colour rather than red, green and blue.
inline bool IsSystemColour(gdi::Colour colour) {
    return (colour & 0x80000000u) != 0;
}

}  // namespace tolvane::forms
