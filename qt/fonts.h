#pragma once

#include <QFont>

#include "gdi/font.h"

namespace tolvane::qt {

// The face names the window's design asks for, and the Debian faces drawn in their place.
// "宋体" is a Song (Ming) face: AR PL UMing CN is one, from fonts-arphic-uming.
// "MS UI Gothic" draws the large day counter: its digits must be narrow enough that "1 0 8 0" in
// bold 47 px fits between x = 224 and x = 392, which Liberation Sans does (144 px) and DejaVu
// Sans does not (180 px). Tahoma is the face of a surface that was given no font.
inline constexpr const char* kSongFace = "宋体";
inline constexpr const char* kSongSubstitute = "AR PL UMing CN";
// The program's own copy of that face, cut down to the characters the window shows; asked for
// before the installed face, which draws any character the copy lacks.
inline constexpr const char* kSongSubset = "Tolvane UMing CN";
inline constexpr const char* kGothicFace = "MS UI Gothic";
inline constexpr const char* kGothicSubstitute = "Liberation Sans";
inline constexpr const char* kTahomaFace = "Tahoma";
inline constexpr const char* kTahomaSubstitute = "DejaVu Sans";

// The GB2312 character set: a font that asks for it gets the CJK face as its fallback family.
inline constexpr int kGb2312Charset = 134;

// The largest point size a font may have (gdi/font.h).
using gdi::kMaxFontPoints;

// Declares the substitutions above, each followed by the CJK face so that Chinese characters in
// a Latin face still find their glyphs. Call once at start-up, after the application exists and
// before any font is used.
void InstallFontSubstitutions();

// The Qt font for a font spec: face (a Windows face above by its stand-in's name), size in pixels at 96 dots per inch (QFont::setPixelSize, so
// the screen's reported DPI does not matter), weight, italic, underline and strikethrough.
// Throws std::invalid_argument naming the size when it is not in (0, kMaxFontPoints] points.
QFont ToQFont(const gdi::Font& spec);

// The font of a surface that has none: Tahoma 8.25 pt regular.
gdi::Font DefaultSurfaceFont();

}  // namespace tolvane::qt
