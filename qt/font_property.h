#pragma once

#include <QFont>

#include "gdi/font.h"

namespace tolvane::qt {

// A font object as a Qt property shows it (QFont, as Designer and QML edit fonts) and back.

// Family, point size, weight, italic, underline and strikeOut; no font gives QFont().
QFont FontPropertyValue(const gdi::FontRef& font);

// The font object of a property's QFont. A QFont carries no character set, so the new font
// takes `charset` (the one of the font it replaces). A font sized in pixels gets its size in
// points at 96 dots per inch (12 px are 9 pt).
gdi::FontRef FontFromPropertyValue(const QFont& value, int charset);

}  // namespace tolvane::qt
