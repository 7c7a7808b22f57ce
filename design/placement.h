#pragma once

#include <cstdint>

#include "design/design.h"

namespace tolvane::design {

// A place and size in whole pixels of a window's client area.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Where a window puts one of its controls, as its stored design holds it: the control's place
// and size in twips, its tab index and whether it is visible. The design's extent entries (the
// control's own size in hundredths of a millimetre) are the control's business and not read here.
struct DesignPlacement {
    std::int32_t LeftTwips = 0;
    std::int32_t TopTwips = 0;
    std::int32_t WidthTwips = 0;
    std::int32_t HeightTwips = 0;
    std::int32_t TabIndex = 0;
    bool Visible = true;

    // The place and size in pixels, each rounded on its own (halves to even).
    PixelRect Pixels() const;
};

// Reads the placement entries of a control ("left", "top", "width", "height", "tabindex",
// "visible"; any letter case). Throws DesignError naming the control and the entry when one is
// missing or of the wrong kind, or when the width or height is negative, e.g.
//   control "StylerButton1": placement "width" is missing
DesignPlacement ReadPlacement(const DesignControl& control);

}  // namespace tolvane::design
