#include "stylerbutton/ui/styler_button_ui_widget.h"

namespace tolvane::styler {

namespace {

// The object name of a button that its form has not named yet.
constexpr const char* kUnnamedInstance = "StylerButton";

}  // namespace

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
