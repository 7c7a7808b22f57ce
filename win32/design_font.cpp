#include "win32/design_font.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/units.h"
#include "win32/wide_text.h"

namespace tolvane::win32 {

FontHandle CreateDesignFont(const gdi::Font& font, GlyphEdges edges, double device_ratio) {
    if (!(font.SizePoints > 0.0 && font.SizePoints <= kMaxFontPoints)) {
        throw std::invalid_argument("font size " + std::to_string(font.SizePoints) +
                                    " pt is not between 0 and " + std::to_string(kMaxFontPoints) +
                                    " pt");
    }
    LOGFONTW description{};
    // A negative height asks for the em height, which is what a size in points gives.
    const std::int32_t pixels = base::PointsToPixels(font.SizePoints);
    description.lfHeight =
        -std::max(1, device_ratio == 1.0 ? pixels : base::RoundToInt32(pixels * device_ratio));
    // Weights share the 1..1000 scale; 0 means "any", which is regular.
    description.lfWeight = font.Weight <= 0 ? FW_NORMAL : std::min(font.Weight, 1000);
    description.lfItalic = font.Italic ? TRUE : FALSE;
    description.lfUnderline = font.Underline ? TRUE : FALSE;
    description.lfStrikeOut = font.Strikethrough ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(std::clamp(font.Charset, 0, 255));
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = edges == GlyphEdges::Solid ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = Utf16(font.Name);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    FontHandle handle(CreateFontIndirectW(&description));
    if (!handle) {
        throw std::runtime_error("cannot create the font \"" + font.Name + "\"");
    }
    return handle;
}

gdi::Font DefaultSurfaceFont() {
    gdi::Font font;
    font.Name = "Tahoma";
    font.SizePoints = 8.25;
    font.Weight = 400;
    return font;
}

}  // namespace tolvane::win32
