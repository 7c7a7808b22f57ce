// A Qt Quick window with three StylerButtons, one per theme, from the installed QML module,
// rendered to a PNG on Qt's offscreen platform (unless QT_QPA_PLATFORM names another). The
// program sets no QML import path: linking Tolvane::StylerButtonQuick brings the module.
//
// Usage: stylerbutton_qml_consumer OUTPUT.png
// The window is 375 x 53; the buttons are 105 x 33 at x = 10, 135 and 260, y = 10.
#include <cstdio>
#include <memory>

#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QString>

#include "stylerbutton/quick/styler_button_item.h"

namespace {

constexpr const char* kWindow = R"(import QtQuick
import Tolvane.StylerButton

Window {
    width: 375
    height: 53
    color: "#ece9d8"
    StylerButton { x: 10; y: 10; width: 105; height: 33; caption: "Dark gloss"
                   theme: StylerButton.ThemeDarkGloss; foreColor: "white" }
    StylerButton { x: 135; y: 10; width: 105; height: 33; caption: "Blue glass"
                   theme: StylerButton.ThemeBlueGlass }
    StylerButton { x: 260; y: 10; width: 105; height: 33; caption: "Silver"
                   theme: StylerButton.ThemeSilver }
}
)";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: stylerbutton_qml_consumer OUTPUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(kWindow, QUrl());
    std::unique_ptr<QObject> root(component.create());
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    if (window == nullptr) {
        std::fprintf(stderr, "stylerbutton_qml_consumer: %s\n",
                     qPrintable(component.errorString()));
        return 1;
    }
    // The QML buttons are the C++ items of the library.
    const auto buttons = window->findChildren<tolvane::styler::StylerButtonItem*>();
    if (buttons.size() != 3 || buttons.front()->Theme() != tolvane::styler::ThemeDarkGloss) {
        std::fprintf(stderr, "stylerbutton_qml_consumer: found %d StylerButtonItems\n",
                     static_cast<int>(buttons.size()));
        return 1;
    }

    window->show();
    const QImage picture = window->grabWindow();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "stylerbutton_qml_consumer: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", argv[1], picture.width(), picture.height());
    return 0;
}
