#include "qt/font_property.h"

#include <algorithm>
#include <memory>

#include <QString>

namespace tolvane::qt {

QFont FontPropertyValue(const gdi::FontRef& font) {
    if (!font) {
        return QFont();
    }
    QFont result(QString::fromUtf8(font->Name.data(), static_cast<qsizetype>(font->Name.size())));
    result.setPointSizeF(font->SizePoints);
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font->Weight, 1, 1000)));
    result.setItalic(font->Italic);
    result.setUnderline(font->Underline);
    result.setStrikeOut(font->Strikethrough);
    return result;
}

gdi::FontRef FontFromPropertyValue(const QFont& value, int charset) {
    auto font = std::make_shared<gdi::Font>();
    font->Name = value.family().toStdString();
    // A font sized in pixels has no point size: 96 dots per inch make 4 pixels 3 points.
    if (value.pointSizeF() > 0) {
        font->SizePoints = value.pointSizeF();
    } else if (value.pixelSize() > 0) {
        font->SizePoints = value.pixelSize() * 0.75;
    }
    font->Weight = value.weight();
    font->Charset = charset;
    font->Italic = value.italic();
    font->Underline = value.underline();
    font->Strikethrough = value.strikeOut();
    return font;
}

}  // namespace tolvane::qt
