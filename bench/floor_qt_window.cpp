// The floor under tolvane's start-up, memory and idle figures: what plain Qt Widgets cost to show
// what the countdown window shows once it has settled. A fixed 550 x 289 window titled "Tolvane"
// with the background picture (the window's palette brush, drawn unscaled from its top-left
// corner) and plain QLabels with the window's five visible texts, at the same places, in the same
// faces and sizes and in the green of 344 days left. Only the time line changes, from a 1 s
// QTimer. No close button, no hover polling, no painting of its own.
//
// It shows the texts tolvane shows when run with --clock "2013-04-28 10:54:50", as
// scripts/perf/startup_memory.sh and scripts/perf/idle_cpu.sh run it: the time line starts at
// that moment and runs on in real time. The command line is ignored. It runs until it is closed
// or killed.

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "resources/resource_paths.h"

namespace {

constexpr int kStartSecondOfDay = 10 * 3600 + 54 * 60 + 50;  // 10:54:50
constexpr int kSecondsPerDay = 24 * 3600;

// The Debian faces tolvane draws in place of "宋体" and "MS UI Gothic" (qt/fonts.h), at
// the pixel sizes of 10.5, 12 and 35.25 pt at 96 dots per inch.
const char* const kSong = "AR PL UMing CN";
const char* const kGothic = "Liberation Sans";

QLabel* AddLabel(QWidget* window, const QString& text, int x, int y, const char* face, int pixels,
                 bool bold) {
    auto* label = new QLabel(text, window);
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// "13小时5分9秒": what is left of the day at the given second of it.
QString TimeLeft(int second_of_day) {
    const int left = kSecondsPerDay - 1 - second_of_day;
    return QStringLiteral("%1小时%2分%3秒").arg(left / 3600).arg(left / 60 % 60).arg(left % 60);
}

}  // namespace

int main(int /*argc*/, char** argv) {
    // Qt sees only the program name, as in tolvane.
    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    QElapsedTimer running;
    running.start();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvane"));
    window.setFixedSize(550, 289);
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window,
                     QBrush(QPixmap(QString::fromLatin1(tolvane::resources::kBackgroundPicture))));
    palette.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    AddLabel(&window, QStringLiteral("距离2014年4月8日还剩 ："), 320, 136, kSong, 14, true);
    AddLabel(&window, QStringLiteral("天"), 392, 216, kSong, 16, true);
    AddLabel(&window, QStringLiteral("现在日期：2013年04月28日"), 16, 264, kSong, 14, false);
    AddLabel(&window, QStringLiteral("0 3 4 4"), 224, 184, kGothic, 47, true);
    QLabel* time_left = AddLabel(&window, TimeLeft(kStartSecondOfDay), 416, 216, kSong, 16, true);

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, time_left, [&] {
        const auto second = static_cast<int>(kStartSecondOfDay + running.elapsed() / 1000);
        time_left->setText(TimeLeft(second % kSecondsPerDay));
        time_left->adjustSize();
    });
    timer.start(1000);

    window.show();
    return QApplication::exec();
}
