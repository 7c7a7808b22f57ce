#include "forms/qt/form_window_accessible.h"

#include "forms/qt/form_window.h"

namespace tolvane::qt {

namespace {

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(FormWindow::staticMetaObject.className())) {
        return nullptr;
    }
    auto* window = qobject_cast<FormWindow*>(object);
    return window != nullptr ? new FormWindowAccessible(window) : nullptr;
}

}  // namespace

FormWindowAccessible::FormWindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

QWidgetList FormWindowAccessible::ShownChildren() const {
    QWidgetList shown;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow() && !child->isHidden()) {
            shown.append(child);
        }
    }
    return shown;
}

int FormWindowAccessible::childCount() const {
    return static_cast<int>(ShownChildren().size());
}

QAccessibleInterface* FormWindowAccessible::child(int index) const {
    const QWidgetList shown = ShownChildren();
    if (index < 0 || index >= shown.size()) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int FormWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || !child->object() || !child->object()->isWidgetType()) {
        return -1;
    }
    return static_cast<int>(ShownChildren().indexOf(static_cast<QWidget*>(child->object())));
}

void InstallFormWindowAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace tolvane::qt
