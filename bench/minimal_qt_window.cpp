// The least a Qt Widgets program needs to show what the countdown window shows first: a fixed
// 550 x 289 window with the background picture drawn unscaled from its top-left corner. The
// start-up and memory measurements (scripts/perf/startup_memory.sh) run it next to tolvane as
// the baseline for what Qt itself costs. It runs until it is closed or killed.

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QString>
#include <QWidget>

#include "resources/resource_paths.h"

namespace {

class PictureWindow : public QWidget {
  public:
    PictureWindow() : picture_(QString::fromLatin1(tolvane::resources::kBackgroundPicture)) {
        setWindowTitle(QStringLiteral("Minimal Qt window"));
        setFixedSize(550, 289);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.drawImage(QPoint(0, 0), picture_);
    }

  private:
    QImage picture_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    PictureWindow window;
    window.show();
    return QApplication::exec();
}
