#pragma once

#include <memory>
#include <string>

namespace tolvane::gdi {

// A font object as forms designs hold it. Fonts are shared: a property that holds a font holds
// a reference to the object, and assigning it to a surface shares the same object.
struct Font {
    std::string Name;         // face name, UTF-8, e.g. "宋体"
    double SizePoints = 9.0;  // at 96 dots per inch 9 pt is 12 px
    int Weight = 400;         // 400 regular, 700 bold
    int Charset = 0;          // 0 ANSI, 134 GB2312
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    friend bool operator==(const Font&, const Font&) = default;
};

using FontRef = std::shared_ptr<Font>;

// The largest point size a font may have: what desktop font dialogs accept.
inline constexpr double kMaxFontPoints = 2160.0;

}  // namespace tolvane::gdi
