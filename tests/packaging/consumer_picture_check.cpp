// Checks the picture of the consumer program: its size, and that the three buttons (one per
// theme) do not look alike.
//
// Usage: tolvane_consumer_picture_check PICTURE.png WIDTH HEIGHT X,Y,W,H X,Y,W,H X,Y,W,H
// Prints one line per finding; exits 0 when all hold, 1 when one fails, 2 on bad arguments.
#include <cstdio>
#include <vector>

#include <QImage>
#include <QRect>
#include <QString>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: tolvane_consumer_picture_check PICTURE.png WIDTH HEIGHT "
                     "X,Y,W,H X,Y,W,H X,Y,W,H\n");
        return 2;
    }
    const QSize expected(QString::fromLatin1(argv[2]).toInt(),
                         QString::fromLatin1(argv[3]).toInt());
    std::vector<QRect> buttons;
    for (int i = 4; i < 7; ++i) {
        int x = 0, y = 0, width = 0, height = 0;
        if (std::sscanf(argv[i], "%d,%d,%d,%d", &x, &y, &width, &height) != 4) {
            std::fprintf(stderr, "not a rectangle X,Y,W,H: %s\n", argv[i]);
            return 2;
        }
        buttons.emplace_back(x, y, width, height);
    }

    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::printf("FAIL: %s is missing or not a picture\n", argv[1]);
        return 1;
    }
    if (picture.size() != expected) {
        std::printf("FAIL: the picture is %d x %d, expected %d x %d\n", picture.width(),
                    picture.height(), expected.width(), expected.height());
        return 1;
    }
    std::printf("ok: the picture is %d x %d\n", picture.width(), picture.height());

    std::vector<QImage> looks;
    for (const QRect& button : buttons) {
        looks.push_back(picture.copy(button).convertToFormat(QImage::Format_RGB32));
    }
    int failures = 0;
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            if (looks[a] == looks[b]) {
                std::printf("FAIL: buttons %d and %d look the same\n", a + 1, b + 1);
                ++failures;
            } else {
                std::printf("ok: buttons %d and %d differ\n", a + 1, b + 1);
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
