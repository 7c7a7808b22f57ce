// The reference for the weston test: writes the title strip that the window, titled TITLE and
// with a client area of 550 x 289 pixels, shows where the compositor draws no title bars
// (TitleStripFrame), as a PNG, and prints the strip's height. It runs on the platform
// QT_QPA_PLATFORM names, so that the title font is the one the program gets there.
//
// Usage: tolvane_title_strip_picture TITLE OUT.png

#include <cstdio>

#include <QApplication>
#include <QWidget>

#include "forms/qt/title_strip_frame.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tolvane_title_strip_picture TITLE OUT.png\n");
        return 2;
    }
    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    auto* client = new QWidget;  // the frame takes it as its child
    client->setWindowTitle(QString::fromUtf8(argv[1]));
    client->setFixedSize(550, 289);
    tolvane::qt::TitleStripFrame frame(*client);
    const int height = frame.StripHeight();
    if (!frame.grab(QRect(0, 0, frame.width(), height)).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "tolvane_title_strip_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%d\n", height);
    return 0;
}
