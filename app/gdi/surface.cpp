#include "app/gdi/surface.h"

#include <algorithm>

namespace tolvane::gdi {

Surface::Surface(int width, int height, Colour fill) {
    Resize(width, height);
    Clear(fill);
}

void Surface::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                   Opaque(back_colour_));
}

void Surface::Clear(Colour colour) {
    std::fill(pixels_.begin(), pixels_.end(), Opaque(colour));
}

void Surface::SetBackColor(Colour colour) {
    back_colour_ = colour;
    Clear(colour);
}

}  // namespace tolvane::gdi
