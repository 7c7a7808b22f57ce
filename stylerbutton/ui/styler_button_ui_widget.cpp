#include "stylerbutton/ui/styler_button_ui_widget.h"

#include <QtGlobal>

#include <limits>

namespace tolvane::styler {

namespace {

// The object name of a button that its form has not named yet.
constexpr const char* kUnnamedInstance = "StylerButton";

// Whether an int offset fits the button's 16-bit offsets; warns, naming it, when it does not.
bool FitsOffset(const char* property, int value) {
    if (value >= std::numeric_limits<qint16>::min() &&
        value <= std::numeric_limits<qint16>::max()) {
        return true;
    }
    qWarning("StylerButton: %s %d is out of range (-32768 to 32767); the offset is kept", property,
             value);
    return false;
}

}  // namespace

void StylerButtonUiWidget::SetCaptionOffsetX(int value) {
    if (FitsOffset("CaptionOffsetX", value)) {
        SetCaptionOffsetX(static_cast<qint16>(value));
    }
}

void StylerButtonUiWidget::SetCaptionOffsetY(int value) {
    if (FitsOffset("CaptionOffsetY", value)) {
        SetCaptionOffsetY(static_cast<qint16>(value));
    }
}

void StylerButtonUiWidget::SetShadowOffsetX(int value) {
    if (FitsOffset("ShadowOffsetX", value)) {
        SetShadowOffsetX(static_cast<qint16>(value));
    }
}

void StylerButtonUiWidget::SetShadowOffsetY(int value) {
    if (FitsOffset("ShadowOffsetY", value)) {
        SetShadowOffsetY(static_cast<qint16>(value));
    }
}

StylerButtonUiWidget::StylerButtonUiWidget(QWidget* parent, FormMode mode)
    : StylerButtonWidget(kUnnamedInstance, parent) {
    SetRunMode(mode == FormMode::Running);
    Button().ApplyDefaults();
}

std::string StylerButtonUiWidget::InstanceName() const {
    return objectName().toStdString();
}

QPixmap StylerButtonUiWidget::IconPixmap() const {
    const QImage icon = Icon();
    return icon.isNull() ? QPixmap() : QPixmap::fromImage(icon);
}

}  // namespace tolvane::styler
