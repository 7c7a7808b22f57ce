#include "gdi/surface.h"

#include <algorithm>

#include "gdi/drawing_observer.h"

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
    if (observer_.pointer != nullptr) {
        observer_.pointer->Cleared(colour);
    }
    std::fill(pixels_.begin(), pixels_.end(), Opaque(colour));
}

void Surface::TellPixelSet(int x, int y, Colour colour) {
    observer_.pointer->PixelSet(x, y, colour);
}

void Surface::SetBackColor(Colour colour) {
    back_colour_ = colour;
    Clear(colour);
}

}  // namespace tolvane::gdi
