#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "gdi/colour.h"

namespace tolvane::styler {

// The five looks of every theme; a repaint picks one from Enabled and the state flags.
enum class Look { Normal, Hover, Focused, Pressed, Disabled };

// One entry per look, Normal first, read with the look as index. The enabled-only tables have
// four entries; their themes draw the disabled look with steps of its own.
template <class Entry, std::size_t Count>
struct LookTable {
    std::array<Entry, Count> Entries;

    constexpr const Entry& operator[](Look look) const {
        const auto index = static_cast<std::size_t>(look);
        assert(index < Count);
        return Entries[index];
    }
};

// ---- ThemeBlueGlass: two vertical bands inside white rounded borders -------------------------

struct BlueGlassLook {
    gdi::Colour UpperBandTop;
    gdi::Colour UpperBandBottom;
    gdi::Colour LowerBandTop;
    gdi::Colour LowerBandBottom;
};

// The outer outline and the colour of the inner outlines and corner dots, in every look.
inline constexpr gdi::Colour kBlueGlassOutline = gdi::Rgb(161, 189, 207);  // 0xCFBDA1
inline constexpr gdi::Colour kBlueGlassWhite = gdi::Rgb(255, 255, 255);    // 0xFFFFFF

// The disabled look differs from the normal look only in the lower band's top colour.
inline constexpr LookTable<BlueGlassLook, 5> kBlueGlassLooks = {{{
    {
        // Normal
        .UpperBandTop = gdi::Rgb(246, 249, 251),     // 0xFBF9F6
        .UpperBandBottom = gdi::Rgb(168, 208, 229),  // 0xE5D0A8
        .LowerBandTop = gdi::Rgb(146, 193, 217),     // 0xD9C192
        .LowerBandBottom = gdi::Rgb(213, 236, 247),  // 0xF7ECD5
    },
    {
        // Hover
        .UpperBandTop = gdi::Rgb(245, 249, 252),     // 0xFCF9F5
        .UpperBandBottom = gdi::Rgb(122, 183, 222),  // 0xDEB77A
        .LowerBandTop = gdi::Rgb(78, 153, 200),      // 0xC8994E
        .LowerBandBottom = gdi::Rgb(162, 217, 252),  // 0xFCD9A2
    },
    {
        // Focused
        .UpperBandTop = gdi::Rgb(245, 249, 252),     // 0xFCF9F5
        .UpperBandBottom = gdi::Rgb(148, 197, 222),  // 0xDEC594
        .LowerBandTop = gdi::Rgb(123, 179, 209),     // 0xD1B37B
        .LowerBandBottom = gdi::Rgb(162, 217, 252),  // 0xFCD9A2
    },
    {
        // Pressed
        .UpperBandTop = gdi::Rgb(239, 245, 251),     // 0xFBF5EF
        .UpperBandBottom = gdi::Rgb(97, 162, 214),   // 0xD6A261
        .LowerBandTop = gdi::Rgb(78, 149, 205),      // 0xCD954E
        .LowerBandBottom = gdi::Rgb(162, 202, 235),  // 0xEBCAA2
    },
    {
        // Disabled
        .UpperBandTop = gdi::Rgb(246, 249, 251),     // 0xFBF9F6
        .UpperBandBottom = gdi::Rgb(168, 208, 229),  // 0xE5D0A8
        .LowerBandTop = gdi::Rgb(163, 203, 223),     // 0xDFCBA3
        .LowerBandBottom = gdi::Rgb(213, 236, 247),  // 0xF7ECD5
    },
}}};

// ---- ThemeDarkGloss: a grey-to-slate top half, a dark band and a glow strip ------------------

struct DarkGlossLook {
    gdi::Colour A1;  // top half, top
    gdi::Colour A2;  // top half, bottom
    gdi::Colour B1;  // middle band, top
    gdi::Colour B2;  // middle band, bottom
    gdi::Colour G0;  // glow strip, top corners (equal to B2: the band runs into the strip)
    gdi::Colour G1;  // glow colour along the bottom
    gdi::Colour G2;  // outer bottom corners
};

inline constexpr LookTable<DarkGlossLook, 4> kDarkGlossLooks = {{{
    {
        // Normal
        .A1 = gdi::Rgb(196, 204, 204),  // 0xCCCCC4
        .A2 = gdi::Rgb(85, 100, 119),   // 0x776455
        .B1 = gdi::Rgb(0, 0, 0),        // 0x000000
        .B2 = gdi::Rgb(13, 29, 51),     // 0x331D0D
        .G0 = gdi::Rgb(13, 29, 51),     // 0x331D0D
        .G1 = gdi::Rgb(25, 79, 111),    // 0x6F4F19
        .G2 = gdi::Rgb(9, 20, 35),      // 0x231409
    },
    {
        // Hover
        .A1 = gdi::Rgb(196, 204, 204),  // 0xCCCCC4
        .A2 = gdi::Rgb(85, 100, 119),   // 0x776455
        .B1 = gdi::Rgb(10, 39, 52),     // 0x34270A
        .B2 = gdi::Rgb(16, 64, 84),     // 0x544010
        .G0 = gdi::Rgb(16, 64, 84),     // 0x544010
        .G1 = gdi::Rgb(84, 172, 188),   // 0xBCAC54
        .G2 = gdi::Rgb(10, 39, 52),     // 0x34270A
    },
    {
        // Focused
        .A1 = gdi::Rgb(196, 204, 204),  // 0xCCCCC4
        .A2 = gdi::Rgb(85, 100, 119),   // 0x776455
        .B1 = gdi::Rgb(10, 39, 52),     // 0x34270A
        .B2 = gdi::Rgb(16, 64, 84),     // 0x544010
        .G0 = gdi::Rgb(16, 64, 84),     // 0x544010
        .G1 = gdi::Rgb(52, 128, 160),   // 0xA08034
        .G2 = gdi::Rgb(10, 39, 52),     // 0x34270A
    },
    {
        // Pressed
        .A1 = gdi::Rgb(182, 193, 195),  // 0xC3C1B6
        .A2 = gdi::Rgb(85, 100, 119),   // 0x776455
        .B1 = gdi::Rgb(0, 0, 0),        // 0x000000
        .B2 = gdi::Rgb(17, 39, 70),     // 0x462711
        .G0 = gdi::Rgb(17, 39, 70),     // 0x462711
        .G1 = gdi::Rgb(44, 141, 196),   // 0xC48D2C
        .G2 = gdi::Rgb(9, 20, 35),      // 0x231409
    },
}}};

// The disabled look: the top half, then one dark band down to the bottom; no glow strip.
struct DarkGlossDisabledLook {
    gdi::Colour TopHalfTop;
    gdi::Colour TopHalfBottom;
    gdi::Colour LowerHalfTop;
    gdi::Colour LowerHalfBottom;
};

inline constexpr DarkGlossDisabledLook kDarkGlossDisabled = {
    .TopHalfTop = gdi::Rgb(182, 193, 195),    // 0xC3C1B6
    .TopHalfBottom = gdi::Rgb(85, 100, 119),  // 0x776455
    .LowerHalfTop = gdi::Rgb(0, 0, 0),        // 0x000000
    .LowerHalfBottom = gdi::Rgb(50, 50, 54),  // 0x363232
};

// ---- ThemeSilver: four mirrored four-corner quadrants, edge strips and an outline -----------

struct SilverLook {
    gdi::Colour Q1TL, Q1TR, Q1BL, Q1BR;  // upper quadrants (the right one mirrored)
    gdi::Colour Q2TL, Q2TR, Q2BL, Q2BR;  // lower quadrants (the right one mirrored)
    gdi::Colour S1;                      // side strips, upper part, top
    gdi::Colour S2;                      // side strips, upper part, bottom
    gdi::Colour S3;                      // side strips, lower part, top
    gdi::Colour S4;                      // side strips, lower part, bottom
    gdi::Colour E1;                      // top and bottom strips, ends
    gdi::Colour E2;                      // top and bottom strips, middle
    gdi::Colour O;                       // outline
};

inline constexpr LookTable<SilverLook, 4> kSilverLooks = {{{
    {
        // Normal
        .Q1TL = gdi::Rgb(213, 213, 214),  // 0xD6D5D5
        .Q1TR = gdi::Rgb(239, 239, 239),  // 0xEFEFEF
        .Q1BL = gdi::Rgb(193, 194, 195),  // 0xC3C2C1
        .Q1BR = gdi::Rgb(234, 234, 234),  // 0xEAEAEA
        .Q2TL = gdi::Rgb(178, 177, 180),  // 0xB4B1B2
        .Q2TR = gdi::Rgb(228, 229, 228),  // 0xE4E5E4
        .Q2BL = gdi::Rgb(195, 195, 198),  // 0xC6C3C3
        .Q2BR = gdi::Rgb(236, 236, 236),  // 0xECECEC
        .S1 = gdi::Rgb(251, 251, 251),    // 0xFBFBFB
        .S2 = gdi::Rgb(226, 226, 226),    // 0xE2E2E2
        .S3 = gdi::Rgb(219, 220, 220),    // 0xDCDCDB
        .S4 = gdi::Rgb(221, 242, 248),    // 0xF8F2DD
        .E1 = gdi::Rgb(200, 200, 202),    // 0xCAC8C8
        .E2 = gdi::Rgb(255, 255, 255),    // 0xFFFFFF
        .O = gdi::Rgb(99, 99, 99),        // 0x636363
    },
    {
        // Hover
        .Q1TL = gdi::Rgb(183, 226, 249),  // 0xF9E2B7
        .Q1TR = gdi::Rgb(220, 244, 248),  // 0xF8F4DC
        .Q1BL = gdi::Rgb(153, 216, 250),  // 0xFAD899
        .Q1BR = gdi::Rgb(228, 253, 254),  // 0xFEFDE4
        .Q2TL = gdi::Rgb(128, 207, 250),  // 0xFACF80
        .Q2TR = gdi::Rgb(220, 253, 254),  // 0xFEFDDC
        .Q2BL = gdi::Rgb(161, 221, 254),  // 0xFEDDA1
        .Q2BR = gdi::Rgb(224, 255, 252),  // 0xFCFFE0
        .S1 = gdi::Rgb(254, 254, 254),    // 0xFEFEFE
        .S2 = gdi::Rgb(196, 231, 250),    // 0xFAE7C4
        .S3 = gdi::Rgb(170, 217, 246),    // 0xF6D9AA
        .S4 = gdi::Rgb(170, 228, 252),    // 0xFCE4AA
        .E1 = gdi::Rgb(181, 232, 253),    // 0xFDE8B5
        .E2 = gdi::Rgb(231, 255, 251),    // 0xFBFFE7
        .O = gdi::Rgb(32, 87, 170),       // 0xAA5720
    },
    {
        // Focused
        .Q1TL = gdi::Rgb(168, 198, 223),  // 0xDFC6A8
        .Q1TR = gdi::Rgb(227, 244, 248),  // 0xF8F4E3
        .Q1BL = gdi::Rgb(152, 189, 217),  // 0xD9BD98
        .Q1BR = gdi::Rgb(236, 253, 254),  // 0xFEFDEC
        .Q2TL = gdi::Rgb(126, 173, 207),  // 0xCFAD7E
        .Q2TR = gdi::Rgb(234, 254, 254),  // 0xFEFEEA
        .Q2BL = gdi::Rgb(161, 195, 222),  // 0xDEC3A1
        .Q2BR = gdi::Rgb(237, 255, 255),  // 0xFFFFED
        .S1 = gdi::Rgb(254, 254, 254),    // 0xFEFEFE
        .S2 = gdi::Rgb(195, 217, 234),    // 0xEAD9C3
        .S3 = gdi::Rgb(169, 201, 227),    // 0xE3C9A9
        .S4 = gdi::Rgb(168, 206, 227),    // 0xE3CEA8
        .E1 = gdi::Rgb(180, 213, 230),    // 0xE6D5B4
        .E2 = gdi::Rgb(249, 252, 253),    // 0xFDFCF9
        .O = gdi::Rgb(32, 87, 170),       // 0xAA5720
    },
    {
        // Pressed
        .Q1TL = gdi::Rgb(142, 179, 209),  // 0xD1B38E
        .Q1TR = gdi::Rgb(218, 239, 248),  // 0xF8EFDA
        .Q1BL = gdi::Rgb(120, 165, 200),  // 0xC8A578
        .Q1BR = gdi::Rgb(224, 245, 253),  // 0xFDF5E0
        .Q2TL = gdi::Rgb(85, 142, 186),   // 0xBA8E55
        .Q2TR = gdi::Rgb(217, 244, 253),  // 0xFDF4D9
        .Q2BL = gdi::Rgb(129, 170, 205),  // 0xCDAA81
        .Q2BR = gdi::Rgb(225, 246, 254),  // 0xFEF6E1
        .S1 = gdi::Rgb(245, 248, 251),    // 0xFBF8F5
        .S2 = gdi::Rgb(179, 205, 226),    // 0xE2CDB3
        .S3 = gdi::Rgb(138, 181, 212),    // 0xD4B58A
        .S4 = gdi::Rgb(143, 188, 213),    // 0xD5BC8F
        .E1 = gdi::Rgb(158, 197, 219),    // 0xDBC59E
        .E2 = gdi::Rgb(249, 252, 253),    // 0xFDFCF9
        .O = gdi::Rgb(32, 87, 170),       // 0xAA5720
    },
}}};

// The disabled look: a flat light grey inside a grey outline and a white inner outline.
struct SilverDisabledLook {
    gdi::Colour Fill;
    gdi::Colour Outline;
    gdi::Colour InnerOutline;
};

inline constexpr SilverDisabledLook kSilverDisabled = {
    .Fill = gdi::Rgb(238, 238, 238),          // 0xEEEEEE
    .Outline = gdi::Rgb(178, 178, 178),       // 0xB2B2B2
    .InnerOutline = gdi::Rgb(255, 255, 255),  // 0xFFFFFF
};

}  // namespace tolvane::styler
