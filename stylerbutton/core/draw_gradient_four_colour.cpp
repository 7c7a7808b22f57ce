#include "stylerbutton/core/primitives.h"
#include "stylerbutton/core/styler_button.h"

namespace tolvane::styler {

void StylerButton::DrawGradientFourColour(gdi::Hdc ObjectHDC, std::int32_t Left, std::int32_t Top,
                                          std::int32_t Width, std::int32_t Height,
                                          gdi::Colour TopLeftColour, gdi::Colour TopRightColour,
                                          gdi::Colour BottomLeftColour,
                                          gdi::Colour BottomRightColour) {
    styler::DrawGradientFourColour(ObjectHDC, Left, Top, Width, Height, TopLeftColour,
                                   TopRightColour, BottomLeftColour, BottomRightColour);
}

}  // namespace tolvane::styler
