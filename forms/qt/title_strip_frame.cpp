#include "forms/qt/title_strip_frame.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

#include "forms/qt/system_move.h"

namespace tolvane::qt {

namespace {
// Room above and below the title's line, and before the title.
constexpr int kVerticalMargin = 4;
constexpr int kLeftMargin = 8;
}  // namespace

TitleStripFrame::TitleStripFrame(QWidget& window)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(window.windowTitle());
    setFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int strip = StripHeight();
    window.setParent(this);  // now a child, below the strip
    window.move(0, strip);
    setFixedSize(window.width(), strip + window.height());
}

int TitleStripFrame::StripHeight() const {
    return fontMetrics().height() + 2 * kVerticalMargin;
}

void TitleStripFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect strip(0, 0, width(), StripHeight());
    painter.fillRect(strip, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect text = strip.adjusted(kLeftMargin, 0, -kLeftMargin, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(windowTitle(), Qt::ElideRight, text.width()));
}

void TitleStripFrame::mousePressEvent(QMouseEvent* event) {
    event->accept();
    StartSystemMove(*this, *event);
}

}  // namespace tolvane::qt
