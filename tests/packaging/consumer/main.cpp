// A window with three StylerButtons, one per theme, rendered to a PNG on Qt's offscreen platform
// (unless QT_QPA_PLATFORM names another).
//
// Usage: stylerbutton_consumer OUTPUT.png
// The window is 375 x 53; the buttons are 105 x 33 at x = 10, 135 and 260, y = 10.
#include <cstdio>

#include <QApplication>
#include <QImage>
#include <QString>
#include <QWidget>

#include "stylerbutton/core/button_values.h"
#include "stylerbutton/ui/styler_button_ui_widget.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: stylerbutton_consumer OUTPUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);

    using namespace tolvane::styler;
    struct Look {
        int theme;
        const char* caption;
        uint fore_color;  // 0x00BBGGRR
    };
    const Look looks[] = {{ThemeDarkGloss, "Dark gloss", 0xFFFFFF},
                          {ThemeBlueGlass, "Blue glass", 0x000000},
                          {ThemeSilver, "Silver", 0x000000}};
    QWidget window;
    window.resize(375, 53);
    int left = 10;
    for (const Look& look : looks) {
        auto* button = new StylerButtonUiWidget(&window);
        button->setGeometry(left, 10, 105, 33);
        button->SetTheme(look.theme);
        button->SetCaption(QString::fromUtf8(look.caption));
        button->SetForeColor(look.fore_color);
        left += 125;
    }

    const QImage picture = window.grab().toImage();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "stylerbutton_consumer: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", argv[1], picture.width(), picture.height());
    return 0;
}
