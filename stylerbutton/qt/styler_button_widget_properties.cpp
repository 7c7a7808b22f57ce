// StylerButtonWidget's Qt properties: the conversions between Qt's types and the button's, and
// the NOTIFY signals raised from the button's change notification. Names come from the property
// table; the Q_PROPERTY lines match it (tests/stylerbutton/qt checks).
#include <memory>

#include "qt/font_property.h"
#include "qt/notify_signal.h"
#include "qt/surface_image.h"
#include "stylerbutton/core/property_table.h"
#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

const char* StylerButtonWidget::QtPropertyName(std::string_view key) {
    const PropertyInfo* property = FindProperty(key);
    return property != nullptr ? property->QtName.data() : nullptr;
}

// PropertyChanged first, then the property's own NOTIFY signal.
void StylerButtonWidget::NotifyPropertyChanged(std::string_view key) {
    emit PropertyChanged(FromUtf8(key));
    if (const PropertyInfo* property = FindProperty(key)) {
        qt::EmitNotifySignal(*this, property->QtName.data());
    }
}

QString StylerButtonWidget::Caption() const {
    return QString::fromStdString(Button().Caption());
}

void StylerButtonWidget::SetCaption(const QString& value) {
    Button().SetCaption(value.toStdString());
}

QFont StylerButtonWidget::CaptionFont() const {
    return qt::FontPropertyValue(Button().Font());
}

// A QFont carries no character set: the new font keeps the current one's.
void StylerButtonWidget::SetCaptionFont(const QFont& value) {
    Button().SetFont(
        qt::FontFromPropertyValue(value, Button().Font() ? Button().Font()->Charset : 0));
}

QImage StylerButtonWidget::Icon() const {
    const PictureRef& icon = Button().Icon();
    return icon ? SurfaceToImage(*icon) : QImage();
}

void StylerButtonWidget::SetIcon(const QImage& value) {
    Button().SetIcon(value.isNull() ? nullptr
                                    : std::make_shared<const gdi::Surface>(ImageToSurface(value)));
}

}  // namespace tolvane::styler
