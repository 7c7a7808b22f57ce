#pragma once

#include <string>

#include <QPixmap>
#include <QWidget>

#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {

// Whether a form runs or is being designed: the button's ambient RunMode. A designed button
// keeps its hover poll stopped.
enum class FormMode { Running, Designing };

// The StylerButtonWidget as .ui forms make it, in Qt Designer and in the code that uic writes.
//
// It is built from its parent alone (uic writes `new StylerButtonUiWidget(parent)`) and is given
// the properties of a new instance at once, as a designer places one. Its InstanceName is its
// object name: "StylerButton" until the form names it, so the caption of a new instance reads
// "StylerButton".
//
// Designer has no editor for 16-bit integers or for images, so the four offsets are shown to it
// as int and the icon as a pixmap (a null pixmap is no icon); the properties keep their names.
// Their setters, like all of the button's, are not named setName: Designer then writes them
// into a .ui with stdset="0", and uic sets them by name (setProperty), as any code may.
class StylerButtonUiWidget : public StylerButtonWidget {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(int CaptionOffsetX READ CaptionOffsetX WRITE SetCaptionOffsetX NOTIFY CaptionOffsetXChanged)
    Q_PROPERTY(int CaptionOffsetY READ CaptionOffsetY WRITE SetCaptionOffsetY NOTIFY CaptionOffsetYChanged)
    Q_PROPERTY(int ShadowOffsetX READ ShadowOffsetX WRITE SetShadowOffsetX NOTIFY ShadowOffsetXChanged)
    Q_PROPERTY(int ShadowOffsetY READ ShadowOffsetY WRITE SetShadowOffsetY NOTIFY ShadowOffsetYChanged)
    Q_PROPERTY(QPixmap Icon READ IconPixmap WRITE SetIcon NOTIFY IconChanged)
    // clang-format on

  public:
    explicit StylerButtonUiWidget(QWidget* parent = nullptr, FormMode mode = FormMode::Running);

    // The name the form gives the instance (its object name).
    std::string InstanceName() const override;

    // The int and pixmap faces of the properties above. An offset outside -32768 to 32767 is
    // refused with a warning that names it, and the offset keeps its value: narrowing it would
    // store another number than the one a form asked for.
    using StylerButtonWidget::SetCaptionOffsetX;
    using StylerButtonWidget::SetCaptionOffsetY;
    using StylerButtonWidget::SetIcon;
    using StylerButtonWidget::SetShadowOffsetX;
    using StylerButtonWidget::SetShadowOffsetY;
    void SetCaptionOffsetX(int value);
    void SetCaptionOffsetY(int value);
    void SetShadowOffsetX(int value);
    void SetShadowOffsetY(int value);
    QPixmap IconPixmap() const;
    void SetIcon(const QPixmap& value) { SetIcon(value.toImage()); }
};

}  // namespace tolvane::styler
