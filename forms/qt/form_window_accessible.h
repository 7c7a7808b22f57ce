#pragma once

#include <QAccessibleWidget>

namespace tolvane::qt {

// What assistive technology sees of a FormWindow: a window named by its title whose children are
// its controls that are not hidden. Qt's own interface would also list the hidden ones (a form
// keeps labels it never shows), which a screen reader has no use for.
class FormWindowAccessible : public QAccessibleWidget {
  public:
    explicit FormWindowAccessible(QWidget* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QWidgetList ShownChildren() const;
};

// Makes Qt use FormWindowAccessible for every FormWindow. Safe to call more than once.
void InstallFormWindowAccessible();

}  // namespace tolvane::qt
