#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "gdi/colour.h"
#include "gdi/rect.h"
#include "gdi/surface.h"
#include "stylerbutton/core/device_scale.h"

namespace tolvane::styler {

// The drawing primitives the StylerButton builds its looks from: colour channels, the two-colour
// gradient over the button's gradient rectangle, the four-corner gradient and the dotted focus
// frame. Every routine reads only the three low bytes of a colour: a system colour such as
// 0x80000005 acts as red 5, green 0, blue 0.

// A size a gradient cannot be drawn with: a negative height, a width of 0 or less, or a ramp of
// more entries than kMaxRampCount. The message names the routine, the argument and the value.
class GradientSizeError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// The longest ramp BuildColourRamp builds (it holds Count + 1 entries).
inline constexpr std::int32_t kMaxRampCount = 1 << 24;

// One 24-bit pixel of a device-independent bitmap, in its memory order.
#pragma pack(push, 1)
struct ColourTriple {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    friend bool operator==(const ColourTriple&, const ColourTriple&) = default;
};
#pragma pack(pop)
static_assert(sizeof(ColourTriple) == 3, "a run of ColourTriple must be a run of 24-bit pixels");

// Channels of a 0x00BBGGRR colour, 0 to 255.
constexpr std::int32_t RedOf(gdi::Colour colour) {
    return static_cast<std::int32_t>(colour & 255u);
}
constexpr std::int32_t GreenOf(gdi::Colour colour) {
    return static_cast<std::int32_t>((colour & 65280u) / 256u);
}
constexpr std::int32_t BlueOf(gdi::Colour colour) {
    return static_cast<std::int32_t>((colour & 16711680u) / 65536u);
}

// The signed 16-bit value with the bit pattern of value: below 32768 the value itself, from
// 32768 to 65535 value - 65536 (so 65280 gives -256, pattern 0xFF00). Values outside -32768 ..
// 65535 have no 16-bit pattern and raise base::OverflowError naming the value.
std::int16_t ToColour16(std::int32_t value);

// Stores the rectangle that FillGradient fills (half-open: left <= x < right, top <= y < bottom).
void SetGradientRect(gdi::Rect& gradientRect, std::int32_t left, std::int32_t top,
                     std::int32_t right, std::int32_t bottom);

// Fills gradientRect from start to end: mode 0 left to right, mode 1 top to bottom, through
// GradientFill. Any other mode draws nothing, as the platform call refuses it.
void FillGradient(gdi::Hdc hdc, const gdi::Rect& gradientRect, std::int32_t mode, gdi::Colour start,
                  gdi::Colour end);

// delta / count as a 32-bit float; 0 when either is 0.
float GradientStep(std::int16_t delta, std::int32_t count);

// Replaces ramp by count + 1 colours from start (entry 0) to end (entry count). Each channel of
// entry i is round(step * i + start channel), computed in double with the step held as a float
// (GradientStep) and rounded half to even. Raises GradientSizeError for a negative count or one
// above kMaxRampCount.
void BuildColourRamp(std::vector<ColourTriple>& ramp, std::int32_t count, ColourTriple start,
                     ColourTriple end);

// Paints [left, top, width, height] with the bilinear blend of four corner colours: the pixel at
// (left + x, top + y) is entry x of the ramp over width from entry y of the left edge ramp to
// entry y of the right edge ramp (both over height), so the bottom row and the right column stop
// one step short of the bottom and right corner colours. Sent to the surface one scan line per
// SetDIBitsToDevice call.
//
// Height 0 draws nothing. A negative height or a width of 0 or less raises GradientSizeError
// before any pixel is drawn. Only the part of the area that lies on the surface is computed, so
// any size is safe; each visible pixel has exactly the value the whole-area computation gives.
void DrawGradientFourColour(gdi::Hdc hdc, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, gdi::Colour topLeft, gdi::Colour topRight,
                            gdi::Colour bottomLeft, gdi::Colour bottomRight);

// Sets the device pixels xs x ys of the surface to colour (those on the surface).
void FillRuns(gdi::Surface& surface, DeviceScale::Run xs, DeviceScale::Run ys, gdi::Colour colour);

// The dotted focus frame: black pixels at every other position along column 2, row 2,
// column W - 4 and row H - 4 (W, H the surface size), starting at (3, 2) and (2, 4). On a scaled
// surface each place is the logical one times the ratio and each dot a Unit() x Unit() square.
void PaintFocusDots(gdi::Surface& surface, const DeviceScale& scale = DeviceScale());

}  // namespace tolvane::styler
