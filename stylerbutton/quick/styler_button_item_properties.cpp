// StylerButtonItem's QML properties: the conversions between QML's types and the button's, and
// the NOTIFY signals raised from the button's change notice, found by the property table's QML
// names (tests/stylerbutton/quick checks that each row has its property).
#include <memory>

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlInfo>

#include "base/quoted.h"
#include "qt/font_property.h"
#include "qt/notify_signal.h"
#include "qt/surface_image.h"
#include "stylerbutton/core/property_table.h"
#include "stylerbutton/quick/int16_property.h"
#include "stylerbutton/quick/qml_colour.h"
#include "stylerbutton/quick/styler_button_item.h"

namespace tolvane::styler {

// propertyChanged first, then the property's own NOTIFY signal.
void StylerButtonItem::NotifyPropertyChanged(std::string_view key) {
    emit propertyChanged(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
    if (const PropertyInfo* property = FindProperty(key)) {
        qt::EmitNotifySignal(*this, property->QmlName.data());
    }
}

// ---- Colours ----------------------------------------------------------------------------------

std::optional<gdi::Colour> StylerButtonItem::ColourOf(const char* property,
                                                      const QColor& value) const {
    const std::optional<gdi::Colour> colour = FromQmlColor(value);
    if (!colour) {
        qmlWarning(this).nospace()
            << property << ": an invalid color names no colour; the colour is kept";
    }
    return colour;
}

QColor StylerButtonItem::ForeColor() const {
    return ToQmlColor(Button().ForeColor());
}

void StylerButtonItem::SetForeColor(const QColor& value) {
    if (const auto colour = ColourOf("foreColor", value)) {
        Button().SetForeColor(*colour);
    }
}

QColor StylerButtonItem::CaptionDisableColor() const {
    return ToQmlColor(Button().CaptionDisableColor());
}

void StylerButtonItem::SetCaptionDisableColor(const QColor& value) {
    if (const auto colour = ColourOf("captionDisableColor", value)) {
        Button().SetCaptionDisableColor(*colour);
    }
}

QColor StylerButtonItem::CaptionEffectColor() const {
    return ToQmlColor(Button().CaptionEffectColor());
}

void StylerButtonItem::SetCaptionEffectColor(const QColor& value) {
    if (const auto colour = ColourOf("captionEffectColor", value)) {
        Button().SetCaptionEffectColor(*colour);
    }
}

QColor StylerButtonItem::IconDisableColor() const {
    return ToQmlColor(Button().IconDisableColor());
}

void StylerButtonItem::SetIconDisableColor(const QColor& value) {
    if (const auto colour = ColourOf("iconDisableColor", value)) {
        Button().SetIconDisableColor(*colour);
    }
}

QColor StylerButtonItem::IconTransparentColour() const {
    return ToQmlColor(Button().IconTransparentColour());
}

void StylerButtonItem::SetIconTransparentColour(const QColor& value) {
    if (const auto colour = ColourOf("iconTransparentColour", value)) {
        Button().SetIconTransparentColour(*colour);
    }
}

// ---- Offsets: the button's are 16-bit ---------------------------------------------------------

void StylerButtonItem::SetCaptionOffsetX(int value) {
    if (FitsInt16(this, "captionOffsetX", value)) {
        Button().SetCaptionOffsetX(static_cast<std::int16_t>(value));
    }
}

void StylerButtonItem::SetCaptionOffsetY(int value) {
    if (FitsInt16(this, "captionOffsetY", value)) {
        Button().SetCaptionOffsetY(static_cast<std::int16_t>(value));
    }
}

void StylerButtonItem::SetShadowOffsetX(int value) {
    if (FitsInt16(this, "shadowOffsetX", value)) {
        Button().SetShadowOffsetX(static_cast<std::int16_t>(value));
    }
}

void StylerButtonItem::SetShadowOffsetY(int value) {
    if (FitsInt16(this, "shadowOffsetY", value)) {
        Button().SetShadowOffsetY(static_cast<std::int16_t>(value));
    }
}

// ---- Font, icon and tool tip ------------------------------------------------------------------

QFont StylerButtonItem::CaptionFont() const {
    return qt::FontPropertyValue(Button().Font());
}

// A QFont carries no character set: the new font keeps the current one's.
void StylerButtonItem::SetCaptionFont(const QFont& value) {
    Button().SetFont(
        qt::FontFromPropertyValue(value, Button().Font() ? Button().Font()->Charset : 0));
}

// A relative URL is relative to the document that assigns it, as for Image.source.
void StylerButtonItem::SetIcon(const QUrl& value) {
    icon_url_ = value;
    if (value.isEmpty()) {
        icon_loader_.Cancel();
        Button().SetIcon(nullptr);
        return;
    }
    const QQmlContext* context = qmlContext(this);
    const QUrl url = context != nullptr ? context->resolvedUrl(value) : value;
    icon_loader_.Load(url, qmlEngine(this), [this, url](const QImage& image, const QString& error) {
        IconRead(url, image, error);
    });
}

void StylerButtonItem::IconRead(const QUrl& url, const QImage& image, const QString& error) {
    if (image.isNull()) {
        qmlWarning(this).noquote()
            << "icon " << QString::fromStdString(base::Quoted(url.toString().toStdString()))
            << " cannot be read (" << QString::fromStdString(base::Quoted(error.toStdString()))
            << "); the button shows no icon";
        Button().SetIcon(nullptr);
        return;
    }
    Button().SetIcon(std::make_shared<const gdi::Surface>(ImageToSurface(image)));
}

void StylerButtonItem::SetToolTip(const QString& value) {
    if (value != tool_tip_) {
        tool_tip_ = value;
        emit toolTipChanged();
    }
}

}  // namespace tolvane::styler
