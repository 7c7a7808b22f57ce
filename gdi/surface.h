#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gdi/colour.h"
#include "gdi/font.h"
#include "gdi/rect.h"

namespace tolvane::gdi {

class DrawingObserver;

// A 32-bit drawing surface and the device context the drawing operations draw on: pixels stored
// row by row as 0x00BBGGRR, a foreground colour that is both pen and text colour, a background
// colour whose setting clears the surface, and a font for text.
//
// Pixel access outside the surface is harmless: PSet ignores it and Point reads kInvalidColour.
//
// An observer (DrawingObserver) may watch the drawing calls made on the surface. The surface does
// not own it, and a copy of the surface starts without one: an observer watches one surface.
class Surface {
  public:
    Surface() = default;
    // Negative sizes make an empty surface.
    Surface(int width, int height, Colour fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Changes the size; the content becomes the background colour.
    void Resize(int width, int height);

    void PSet(int x, int y, Colour colour) {
        if (observer_.pointer != nullptr) {
            TellPixelSet(x, y, colour);
        }
        if (Contains(x, y)) {
            pixels_[Index(x, y)] = Opaque(colour);
        }
    }
    Colour Point(int x, int y) const {
        return Contains(x, y) ? pixels_[Index(x, y)] : kInvalidColour;
    }

    void Clear(Colour colour);
    // Clears the surface to its background colour.
    void Clear() { Clear(back_colour_); }

    Colour ForeColor() const { return fore_colour_; }
    void SetForeColor(Colour colour) { fore_colour_ = colour; }
    Colour BackColor() const { return back_colour_; }
    // Setting the background colour clears the whole surface to it.
    void SetBackColor(Colour colour);

    const FontRef& Font() const { return font_; }
    void SetFont(FontRef font) { font_ = std::move(font); }

    // Row access for the drawing operations, which clip before they touch pixels.
    std::span<Colour> Row(int y) {
        return {pixels_.data() + Index(0, y), static_cast<std::size_t>(width_)};
    }
    std::span<const Colour> Row(int y) const {
        return {pixels_.data() + Index(0, y), static_cast<std::size_t>(width_)};
    }
    std::span<const Colour> Pixels() const { return pixels_; }

    // The observer told of the drawing calls on this surface from now on; null for none.
    void SetObserver(DrawingObserver* observer) { observer_.pointer = observer; }
    DrawingObserver* Observer() const { return observer_.pointer; }

  private:
    // Left behind by a copy or an assignment, so that each surface keeps its own observer.
    struct ObserverSlot {
        DrawingObserver* pointer = nullptr;
        ObserverSlot() = default;
        ObserverSlot(const ObserverSlot&) noexcept {}
        ObserverSlot& operator=(const ObserverSlot&) noexcept { return *this; }
    };

    void TellPixelSet(int x, int y, Colour colour);

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
    Colour fore_colour_ = 0;
    Colour back_colour_ = 0;
    FontRef font_;
    ObserverSlot observer_;
};

// The device context handle the drawing operations take, as the Windows calls take an HDC.
using Hdc = Surface&;

}  // namespace tolvane::gdi
