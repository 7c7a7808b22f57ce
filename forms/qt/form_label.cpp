#include "forms/qt/form_label.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "qt/fonts.h"
#include "qt/qt_colour.h"

namespace tolvane::qt {

namespace {
QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoMousePropagation);
    SetForeColor(fore_colour_);
}

std::string FormLabel::Text() const {
    return text().toStdString();
}

void FormLabel::SetText(std::string_view utf8) {
    setText(FromUtf8(utf8));
    adjustSize();
}

void FormLabel::SetForeColor(gdi::Colour colour) {
    fore_colour_ = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, IsSystemColour(colour)
                                               ? QApplication::palette().color(QPalette::WindowText)
                                               : ToQColor(colour));
    setPalette(palette);
}

void FormLabel::SetAccessibleName(std::string_view utf8) {
    const QString name = FromUtf8(utf8);
    if (accessibleName() != name) {
        setAccessibleName(name);
    }
}

void FormLabel::SetFormFont(const gdi::Font& font) {
    setFont(ToQFont(font));
    font_spec_ = font;
    adjustSize();
}

std::string FormLabel::ToolTipText() const {
    return toolTip().toStdString();
}

void FormLabel::SetToolTipText(std::string_view utf8) {
    setToolTip(FromUtf8(utf8));
}

void FormLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        left_pressed_ = true;
    }
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !left_pressed_) {
        return;
    }
    left_pressed_ = false;
    if (rect().contains(event->position().toPoint()) && on_click_) {
        // The handler may change or destroy this label: work on a copy.
        const std::function<void()> handler = on_click_;
        handler();
    }
}

}  // namespace tolvane::qt
