#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/gdi/colour.h"
#include "app/gdi/font.h"
#include "app/gdi/rect.h"

namespace tolvane::gdi {

// A 32-bit drawing surface and the device context the drawing operations draw on: pixels stored
// row by row as 0x00BBGGRR, a foreground colour that is both pen and text colour, a background
// colour whose setting clears the surface, and a font for text.
//
// Pixel access outside the surface is harmless: PSet ignores it and Point reads kInvalidColour.
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

  private:
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
};

// The device context handle the drawing operations take, as the Windows calls take an HDC.
using Hdc = Surface&;

}  // namespace tolvane::gdi
