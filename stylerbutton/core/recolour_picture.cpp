#include "stylerbutton/core/recolour_picture.h"

#include <cstdint>

#include "base/rounding.h"

namespace tolvane::styler {

void RecolourPicture(PictureHolder& Holder, gdi::Colour TransparentColour, gdi::Colour NewColour) {
    Holder.SetAutoSize(true);
    const std::int32_t width = base::RoundToInt32(Holder.ScaleWidth());
    const std::int32_t height = base::RoundToInt32(Holder.ScaleHeight());
    const gdi::Colour transparent = gdi::Opaque(TransparentColour);
    for (std::int32_t x = 0; x < width; ++x) {
        for (std::int32_t y = 0; y < height; ++y) {
            if (Holder.Point(x, y) != transparent) {
                Holder.PSet(x, y, NewColour);
            }
        }
    }
}

}  // namespace tolvane::styler
