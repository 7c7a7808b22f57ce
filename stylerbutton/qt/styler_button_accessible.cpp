#include "stylerbutton/qt/styler_button_accessible.h"

#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {

namespace {

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(StylerButtonWidget::staticMetaObject.className())) {
        return nullptr;
    }
    auto* button = qobject_cast<StylerButtonWidget*>(object);
    return button != nullptr ? new StylerButtonAccessible(button) : nullptr;
}

}  // namespace

StylerButtonAccessible::StylerButtonAccessible(StylerButtonWidget* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

StylerButtonWidget* StylerButtonAccessible::Button() const {
    return static_cast<StylerButtonWidget*>(widget());
}

QString StylerButtonAccessible::text(QAccessible::Text kind) const {
    const StylerButtonWidget* button = Button();
    switch (kind) {
        case QAccessible::Name:
            return button->accessibleName().isEmpty() ? button->Caption()
                                                      : button->accessibleName();
        case QAccessible::Description:
            return button->accessibleDescription().isEmpty() ? button->toolTip()
                                                             : button->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
    }
}

QAccessible::State StylerButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const StylerButton& button = Button()->Button();
    state.disabled = state.disabled || button.Enabled() == BoolFalse;
    state.focused = button.HasFocus() != BoolFalse;
    state.pressed = button.Pressed() != BoolFalse;
    state.hotTracked = button.MouseOver() != BoolFalse;
    return state;
}

QStringList StylerButtonAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void StylerButtonAccessible::doAction(const QString& action) {
    if (action == pressAction()) {
        Button()->Press();
    } else {
        QAccessibleWidget::doAction(action);
    }
}

QStringList StylerButtonAccessible::keyBindingsForAction(const QString& action) const {
    if (action == pressAction()) {
        return {QStringLiteral("Return")};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
}

void InstallStylerButtonAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace tolvane::styler
