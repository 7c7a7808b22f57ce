#pragma once

#include <QAccessibleWidget>

namespace tolvane::styler {

class StylerButtonWidget;

// What assistive technology sees of a StylerButtonWidget: a push button
//   name         its accessibleName if the host set one, else its Caption;
//   description  its accessibleDescription if set, else its tool tip (empty when it has none);
//   states       disabled while the button's Enabled is false (or Qt disables the widget),
//                focused while HasFocus, pressed while Pressed, hot-tracked while MouseOver;
//   actions      press, which raises Click as Enter does: only while Enabled; then the widget's
//                own (focus).
class StylerButtonAccessible : public QAccessibleWidget {
  public:
    explicit StylerButtonAccessible(StylerButtonWidget* button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

  private:
    StylerButtonWidget* Button() const;
};

// Makes Qt use StylerButtonAccessible for every StylerButtonWidget. Safe to call more than once.
void InstallStylerButtonAccessible();

}  // namespace tolvane::styler
