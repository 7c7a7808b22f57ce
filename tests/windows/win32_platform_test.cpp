// The Win32 forms platform's pieces that need Windows but no screen: the caption's text engine
// over GDI, the stored design read from the executable's resources, and PNG files through the
// Windows Imaging Component. Runs under Wine with the null graphics driver (scripts/wine-run.sh
// without a display). Exits 1 when a check fails.

#include <objbase.h>

#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "gdi/surface.h"
#include "win32/gdi_text_engine.h"
#include "win32/png_codec.h"
#include "forms/win32/win32_platform.h"
#include "stylerbutton/core/property_value.h"

namespace {

int g_failures = 0;

void Check(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what.c_str());
        ++g_failures;
    }
}

// The engine's contract: Print changes only glyph pixels, each to exactly the foreground colour,
// within the text's advance box; the caption's face reaches a CJK font (the glyphs are inked).
void TextEngineSetsOnlyGlyphPixels() {
    namespace gdi = tolvane::gdi;
    constexpr gdi::Colour kBack = gdi::Rgb(10, 20, 30);
    constexpr gdi::Colour kInk = gdi::Rgb(200, 100, 50);
    gdi::Surface surface(60, 24, kBack);
    surface.SetFont(std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134}));
    surface.SetForeColor(kInk);
    tolvane::win32::GdiTextEngine engine;
    const int width = static_cast<int>(engine.TextWidth(surface, "关闭"));
    const int height = static_cast<int>(engine.TextHeight(surface, "关闭"));
    Check(width == 24 && height >= 12 && height <= 16,
          "two 12 px ideographs measure 24 px wide and one line high, got " +
              std::to_string(width) + " x " + std::to_string(height));
    engine.Print(surface, 5, 4, "关闭");
    std::set<gdi::Colour> colours;
    int inked = 0;
    bool outside = false;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const gdi::Colour pixel = surface.Point(x, y);
            colours.insert(pixel);
            if (pixel == kInk) {
                ++inked;
                outside |= x < 5 || x >= 5 + width || y < 4 || y >= 4 + height;
            }
        }
    }
    Check(colours == std::set<gdi::Colour>{kBack, kInk},
          "the surface holds only the background and the ink, " +
              std::to_string(colours.size()) + " colours found");
    Check(inked > 40, "the caption is inked: " + std::to_string(inked) + " pixels");
    Check(!outside, "no ink outside the text's box");
}

// StylerButton1's place (twips to pixels) and its saved properties, found in any letter case;
// a control the design lacks is refused by name, and so is a design the program lacks.
void StoredDesignGivesTheButton() {
    tolvane::win32::Win32Platform platform(GetModuleHandleW(nullptr), tolvane::win32::kForm1Design,
                                           0);
    const auto design = platform.ReadControlDesign("stylerbutton1");
    Check(design.Left == 432 && design.Top == 248 && design.Width == 105 && design.Height == 33,
          "StylerButton1 lies at 432, 248, 105 x 33 px");
    Check(design.TabIndex == 0 && design.Visible, "StylerButton1 is visible at tab index 0");
    const auto caption = design.Properties->Read("Caption", std::string());
    Check(tolvane::styler::ToText("Caption", caption) == "关闭", "the caption is 关闭");
    const auto font = tolvane::styler::ToFont("Font", design.Properties->Read("FONT", {}));
    Check(font && font->Name == "宋体" && font->SizePoints == 9.0 && font->Charset == 134,
          "the font is 宋体 9 pt GB2312");
    Check(tolvane::styler::ToInt32("Theme", design.Properties->Read("theme", 0)) == 3,
          "the theme is 3");
    try {
        platform.ReadControlDesign("Command1");
        Check(false, "an unknown control is refused");
    } catch (const std::runtime_error& error) {
        Check(std::string(error.what()).find("\"Command1\"") != std::string::npos,
              std::string("the refusal names the control: ") + error.what());
    }
    tolvane::win32::Win32Platform without(GetModuleHandleW(nullptr), {999, "absent.json"}, 0);
    try {
        without.ReadControlDesign("StylerButton1");
        Check(false, "a missing design is refused");
    } catch (const std::runtime_error& error) {
        Check(std::string(error.what()) ==
                  "absent.json: cannot be read: the program has no resource 999",
              std::string("the refusal names the design: ") + error.what());
    }
}

// A picture encoded by WIC decodes to the same pixels; what is no PNG file decodes to nothing.
void PngFilesRoundTrip() {
    namespace gdi = tolvane::gdi;
    gdi::Surface picture(3, 2, gdi::Rgb(1, 2, 3));
    picture.PSet(2, 0, gdi::Rgb(250, 128, 7));
    picture.PSet(0, 1, 0xFFFFFF);
    const tolvane::win32::WicPngCodec codec;
    const std::string png = codec.Encode(picture);
    Check(png.starts_with("\x89PNG\r\n\x1a\n"), "the encoder writes a PNG file");
    const auto decoded = codec.Decode(png);
    bool same = decoded && decoded->Width() == 3 && decoded->Height() == 2;
    for (int y = 0; same && y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            same = same && decoded->Point(x, y) == picture.Point(x, y);
        }
    }
    Check(same, "the decoded picture has the encoded pixels");
    Check(!codec.Decode("\x89PNG\r\n\x1a\nbroken"), "a broken PNG file decodes to nothing");
    Check(!codec.Decode(std::string("BM\x3a\0\0\0", 6)), "a BMP file is no PNG file");
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the Windows Imaging Component
    TextEngineSetsOnlyGlyphPixels();
    StoredDesignGivesTheButton();
    PngFilesRoundTrip();
    std::printf("%d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
