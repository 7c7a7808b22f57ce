// StylerButtonWidget's Qt properties: the conversions between Qt's types and the button's, and
// the NOTIFY signals raised from the button's change notification.
#include <algorithm>
#include <array>
#include <memory>

#include "stylerbutton/core/property_table.h"
#include "stylerbutton/qt/styler_button_widget.h"
#include "qt/surface_image.h"

namespace tolvane::styler {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The Qt property and NOTIFY signal of each store key: one table, so a renamed property
// cannot lose its signal or its name in Designer.
struct NotifySignal {
    std::string_view key;
    const char* property;
    void (StylerButtonWidget::*signal)();
};

using W = StylerButtonWidget;
constexpr std::array<NotifySignal, 19> kNotifySignals{{
    {keys::CaptionAlignment, "CaptionAlignment", &W::CaptionAlignmentChanged},
    {keys::IconAlignment, "IconAlignment", &W::IconAlignmentChanged},
    {keys::Caption, "Caption", &W::CaptionChanged},
    {keys::ForeColor, "ForeColor", &W::ForeColorChanged},
    {keys::CaptionDisableColor, "CaptionDisableColor", &W::CaptionDisableColorChanged},
    {keys::CaptionEffectColor, "CaptionEffectColor", &W::CaptionEffectColorChanged},
    {keys::CaptionEffect, "CaptionEffect", &W::CaptionEffectChanged},
    {keys::CaptionOffsetX, "CaptionOffsetX", &W::CaptionOffsetXChanged},
    {keys::CaptionOffsetY, "CaptionOffsetY", &W::CaptionOffsetYChanged},
    {keys::ShadowOffsetX, "ShadowOffsetX", &W::ShadowOffsetXChanged},
    {keys::ShadowOffsetY, "ShadowOffsetY", &W::ShadowOffsetYChanged},
    {keys::IconDisableColor, "IconDisableColor", &W::IconDisableColorChanged},
    {keys::Theme, "Theme", &W::ThemeChanged},
    {keys::FocusDottedRect, "FocusDottedRect", &W::FocusDottedRectChanged},
    {keys::Enabled, "ButtonEnabled", &W::ButtonEnabledChanged},
    {keys::Font, "CaptionFont", &W::CaptionFontChanged},
    {keys::IconTransparentColour, "IconTransparentColour", &W::IconTransparentColourChanged},
    {keys::Icon, "Icon", &W::IconChanged},
    {keys::RoundedValue, "RoundedValue", &W::RoundedValueChanged},
}};

// The entry of a store key, or the end of the table.
const NotifySignal* Find(std::string_view key) {
    return std::find_if(kNotifySignals.begin(), kNotifySignals.end(),
                        [key](const NotifySignal& entry) { return entry.key == key; });
}

}  // namespace

const char* StylerButtonWidget::QtPropertyName(std::string_view key) {
    const NotifySignal* found = Find(key);
    return found != kNotifySignals.end() ? found->property : nullptr;
}

void StylerButtonWidget::NotifyPropertyChanged(std::string_view key) {
    emit PropertyChanged(FromUtf8(key));
    const NotifySignal* found = Find(key);
    if (found != kNotifySignals.end()) {
        emit(this->*found->signal)();
    }
}

QString StylerButtonWidget::Caption() const {
    return QString::fromStdString(button_.Caption());
}

void StylerButtonWidget::SetCaption(const QString& value) {
    button_.SetCaption(value.toStdString());
}

QFont StylerButtonWidget::CaptionFont() const {
    const gdi::FontRef& font = button_.Font();
    if (!font) {
        return QFont();
    }
    QFont result(FromUtf8(font->Name));
    result.setPointSizeF(font->SizePoints);
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font->Weight, 1, 1000)));
    result.setItalic(font->Italic);
    result.setUnderline(font->Underline);
    result.setStrikeOut(font->Strikethrough);
    return result;
}

void StylerButtonWidget::SetCaptionFont(const QFont& value) {
    auto font = std::make_shared<gdi::Font>();
    font->Name = value.family().toStdString();
    // A font sized in pixels has no point size: 96 dots per inch make 4 pixels 3 points.
    if (value.pointSizeF() > 0) {
        font->SizePoints = value.pointSizeF();
    } else if (value.pixelSize() > 0) {
        font->SizePoints = value.pixelSize() * 0.75;
    }
    font->Weight = value.weight();
    font->Charset = button_.Font() ? button_.Font()->Charset : 0;
    font->Italic = value.italic();
    font->Underline = value.underline();
    font->Strikethrough = value.strikeOut();
    button_.SetFont(std::move(font));
}

QImage StylerButtonWidget::Icon() const {
    const PictureRef& icon = button_.Icon();
    return icon ? SurfaceToImage(*icon) : QImage();
}

void StylerButtonWidget::SetIcon(const QImage& value) {
    button_.SetIcon(value.isNull() ? nullptr
                                   : std::make_shared<const gdi::Surface>(ImageToSurface(value)));
}

}  // namespace tolvane::styler
