#include "stylerbutton/quick/styler_button_item.h"

#include <memory>
#include <string>
#include <vector>

#include <QCursor>
#include <QImage>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickImageProvider>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QThreadPool>
#include <QWidget>

#include <gtest/gtest.h>

#include "gdi/font.h"
#include "stylerbutton/core/property_table.h"
#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {
namespace {

// Both hosts show the button at the same place over the same background colour.
const QRect kButton(10, 10, 105, 33);
const QSize kWindow(125, 53);
const QColor kBackground(20, 140, 60);
constexpr QPoint kInside{20, 10};

// The warnings Qt prints while one of these exists.
class Warnings {
  public:
    Warnings() : previous_(qInstallMessageHandler(&Record)) { log_ = &messages_; }
    ~Warnings() {
        qInstallMessageHandler(previous_);
        log_ = nullptr;
    }
    Warnings(const Warnings&) = delete;
    Warnings& operator=(const Warnings&) = delete;
    // Each warning, and whether it was one that contains `part`.
    const QStringList& Messages() const { return messages_; }
    bool Single(const QString& part) const {
        return messages_.size() == 1 && messages_.front().contains(part);
    }

  private:
    static void Record(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtWarningMsg && log_ != nullptr) {
            log_->append(message);
        }
    }
    static inline QStringList* log_ = nullptr;
    QStringList messages_;
    QtMessageHandler previous_;
};

enum class Look { Normal, Hover, Focused, Pressed, Disabled };

// Gives the button its state through the control's own inputs; the hover poll finds the pointer
// where the host's events put it.
void Enter(StylerButton& button, Look look) {
    switch (look) {
        case Look::Normal:
            break;
        case Look::Hover:
            button.OnHoverTimerTick();
            break;
        case Look::Focused:
            button.OnFocusReceived();
            break;
        case Look::Pressed:
            button.OnKeyDown(KeySpace, 0);
            break;
        case Look::Disabled:
            button.SetEnabled(BoolFalse);
            break;
    }
}

void Style(StylerButton& button, std::int32_t theme) {
    button.SetTheme(theme);
    button.SetCaption("关闭");
    button.SetFont(std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134}));
    button.SetCaptionEffect(EffectShadow);
}

QImage WidgetPicture(std::int32_t theme, Look look) {
    QWidget window;
    window.resize(kWindow);
    QPalette palette;
    palette.setColor(QPalette::Window, kBackground);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* widget = new StylerButtonWidget("StylerButton1", &window);
    widget->setGeometry(kButton);
    widget->setFocusPolicy(Qt::NoFocus);  // the state comes from Enter alone
    widget->Button().ApplyDefaults();
    Style(widget->Button(), theme);
    window.show();
    QCursor::setPos(widget->mapToGlobal(kInside));
    QCoreApplication::processEvents();
    Enter(widget->Button(), look);
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage ItemPicture(std::int32_t theme, Look look) {
    QQuickWindow window;
    window.resize(kWindow);
    window.setColor(kBackground);
    auto* item = new StylerButtonItem(window.contentItem());
    item->setPosition(kButton.topLeft());
    item->setSize(kButton.size());
    Style(item->Button(), theme);
    window.show();
    QTest::mouseMove(&window, kButton.topLeft() + kInside);
    Enter(item->Button(), look);
    return window.grabWindow().convertToFormat(QImage::Format_RGB32);
}

// The test runs at ratio 1 and, as *.ratio2, on a screen of ratio 2.
TEST(StylerButtonItemTest, PaintsTheWidgetsPixelsInEveryThemeAndLook) {
    const double ratio = qGuiApp->devicePixelRatio();
    for (const std::int32_t theme : {ThemeDarkGloss, ThemeBlueGlass, ThemeSilver}) {
        for (const Look look :
             {Look::Normal, Look::Hover, Look::Focused, Look::Pressed, Look::Disabled}) {
            SCOPED_TRACE(testing::Message() << "theme " << theme << ", look "
                                            << static_cast<int>(look) << ", ratio " << ratio);
            const QImage widget = WidgetPicture(theme, look);
            const QImage item = ItemPicture(theme, look);
            ASSERT_EQ(item.size(), kWindow * ratio);
            EXPECT_TRUE(item == widget);
            // The look is really drawn: the middle of the button is not the background.
            EXPECT_NE(item.pixelColor(QPoint(60, 26) * ratio), kBackground);
        }
    }
}

// A double click as Qt sends it (its second press marked as the double click's) reaches the
// button as press, release, Click, DoubleClick, release, as a Windows double click does.
TEST(StylerButtonItemTest, DoubleClickReplacesTheSecondPress) {
    QQuickWindow window;
    window.resize(kWindow);
    auto* item = new StylerButtonItem(window.contentItem());
    item->setPosition(kButton.topLeft());
    item->setSize(kButton.size());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<std::string> log;
    const auto record = [&log](const char* name) { return [&log, name] { log.push_back(name); }; };
    QObject::connect(item, &StylerButtonItem::click, record("click"));
    QObject::connect(item, &StylerButtonItem::dblClick, record("dblClick"));
    QObject::connect(item, &StylerButtonItem::mouseDown, record("mouseDown"));
    QObject::connect(item, &StylerButtonItem::mouseUp, record("mouseUp"));
    QTest::mouseDClick(&window, Qt::LeftButton, {}, kButton.topLeft() + kInside);
    EXPECT_EQ(log,
              (std::vector<std::string>{"mouseDown", "mouseUp", "click", "dblClick", "mouseUp"}));
    EXPECT_EQ(item->Button().Pressed(), BoolFalse);
}

// Qt Quick's hover delivery says where the pointer is: the poll ticks only while it is over the
// button's shape and no item above takes the hover.
TEST(StylerButtonItemTest, HoverPollTicksOnlyOverTheUncoveredShape) {
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(import QtQuick
import Tolvane.StylerButton
Window {
    width: 125; height: 53
    StylerButton { objectName: "button"; x: 10; y: 10; width: 105; height: 33 }
    MouseArea { x: 80; y: 10; width: 35; height: 33; hoverEnabled: true }
})",
                      QUrl());
    std::unique_ptr<QObject> root(component.create());
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    ASSERT_NE(window, nullptr) << component.errorString().toStdString();
    auto* item = window->findChild<StylerButtonItem*>("button");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const struct {
        QPoint at;  // in the window
        bool ticking;
    } cases[] = {
        {{30, 20}, true},    // over the button
        {{10, 10}, false},   // its cut-away corner
        {{50, 41}, true},    // the shape's last row
        {{50, 42}, false},   // the item's last row, which the shape leaves out
        {{90, 20}, false},   // under the mouse area
        {{120, 50}, false},  // beside it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << ", " << c.at.y());
        QTest::mouseMove(window, c.at);
        EXPECT_EQ(item->IsHoverPollTicking(), c.ticking);
    }
    EXPECT_TRUE(item->IsHoverTimerRunning());
}

// Every bit of the control's colour survives a QML color, the system-colour byte included.
TEST(StylerButtonItemTest, ColoursKeepEveryBit) {
    StylerButtonItem item;
    const struct {
        gdi::Colour colour;
        QColor color;
    } cases[] = {
        {0x000000, QColor(0, 0, 0)},
        {0xFFFFFF, QColor(255, 255, 255)},
        {0x00336699, QColor(0x99, 0x66, 0x33)},
        {0x80000012, QColor(0x12, 0, 0, 0x7F)},     // a system colour
        {0xFF000000, QColor(0, 0, 0, 0)},           // "transparent"
        {0x7FFFFFFF, QColor(255, 255, 255, 0x80)},  // the alpha just above the system byte's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.colour);
        item.SetForeColor(c.color);
        EXPECT_EQ(item.Button().ForeColor(), c.colour);
        item.Button().SetForeColor(0x123456);
        item.Button().SetForeColor(c.colour);
        EXPECT_EQ(item.ForeColor(), c.color);
        EXPECT_EQ(item.ForeColor().rgba(), c.color.rgba());
    }
    QSignalSpy changed(&item, &StylerButtonItem::foreColorChanged);
    const Warnings warnings;
    item.SetForeColor(QColor());
    EXPECT_TRUE(warnings.Single("foreColor: an invalid color names no colour; the colour is kept"))
        << warnings.Messages().join('\n').toStdString();
    EXPECT_EQ(item.Button().ForeColor(), 0x7FFFFFFFu);
    EXPECT_EQ(changed.count(), 0);
}

// The NOTIFY signals are found by the table's QML names: each row must name a property of the
// item, with its signal, and setting the property raises the signal and propertyChanged(key).
TEST(StylerButtonItemTest, EveryTableRowIsAPropertyWithItsNotifySignal) {
    StylerButtonItem item;
    const QMetaObject& meta = StylerButtonItem::staticMetaObject;
    for (const PropertyInfo& row : PropertyTable()) {
        SCOPED_TRACE(std::string(row.QmlName));
        const QMetaProperty property = meta.property(meta.indexOfProperty(row.QmlName.data()));
        ASSERT_TRUE(property.isValid());
        ASSERT_TRUE(property.hasNotifySignal());
        EXPECT_EQ(property.notifySignal().name(), QByteArray(row.QmlName.data()) + "Changed");
        QSignalSpy notified(&item, property.notifySignal());
        QSignalSpy keys(&item, &StylerButtonItem::propertyChanged);
        ASSERT_TRUE(property.write(&item, property.read(&item)));
        EXPECT_EQ(notified.count(), 1);
        ASSERT_EQ(keys.count(), 1);
        EXPECT_EQ(keys.at(0).at(0).toString().toStdString(), row.StoreKey);
    }
}

// A red 3 x 2 picture, from an image provider that answers at once or from another thread.
QImage Red() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

class RedProvider : public QQuickImageProvider {
  public:
    RedProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}
    QImage requestImage(const QString& id, QSize* size, const QSize&) override {
        *size = QSize(3, 2);
        return id == QLatin1String("red") ? Red() : QImage();
    }
};

class RedResponse : public QQuickImageResponse {
  public:
    QQuickTextureFactory* textureFactory() const override {
        return QQuickTextureFactory::textureFactoryForImage(Red());
    }
};

// Answers from a worker thread, as asynchronous providers do; the response tells that it
// finished on its own thread, once the caller had the response to connect to.
class AsyncRedProvider : public QQuickAsyncImageProvider {
  public:
    QQuickImageResponse* requestImageResponse(const QString&, const QSize&) override {
        auto* response = new RedResponse;
        QThreadPool::globalInstance()->start(
            [response] { QMetaObject::invokeMethod(response, "finished", Qt::QueuedConnection); });
        return response;
    }
};

// The icon URL is read as QML's Image reads its source; a picture that cannot be read gives no
// icon and a warning that names the URL.
TEST(StylerButtonItemTest, IconComesFromFilesResourcesAndImageProviders) {
    QQmlEngine engine;
    engine.addImageProvider(QStringLiteral("red"), new RedProvider);
    engine.addImageProvider(QStringLiteral("asyncred"), new AsyncRedProvider);
    QQmlComponent component(&engine);
    component.setData("import Tolvane.StylerButton\nStylerButton {}",
                      QUrl::fromLocalFile(QStringLiteral(TOLVANE_TEST_ICON)));
    std::unique_ptr<QObject> object(component.create());
    auto* item = qobject_cast<StylerButtonItem*>(object.get());
    ASSERT_NE(item, nullptr) << component.errorString().toStdString();

    const struct {
        const char* url;
        QSize size;  // none: no icon
        const char* warning;
    } cases[] = {
        {"tolvane-16.png", QSize(16, 16), ""},  // relative to the document
        {"qrc:/test/tolvane-16.png", QSize(16, 16), ""},
        {"image://red/red", QSize(3, 2), ""},
        {"image://asyncred/any", QSize(3, 2), ""},
        {"", QSize(), ""},
        {"image://red/blue", QSize(),
         "icon \"image://red/blue\" cannot be read (\"the image provider \\\"red\\\" gave no "
         "picture for \\\"blue\\\"\"); the button shows no icon"},
        {"image://none/x", QSize(), "(\"the engine has no image provider \\\"none\\\"\")"},
        {"missing.png", QSize(), "icons/missing.png\" cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        item->Button().SetIcon(std::make_shared<const gdi::Surface>(1, 1));
        QSignalSpy changed(item, &StylerButtonItem::iconChanged);
        const Warnings warnings;
        item->setProperty("icon", QUrl(QString::fromUtf8(c.url)));
        ASSERT_TRUE(changed.count() == 1 || changed.wait(5000));
        if (*c.warning == '\0') {
            EXPECT_TRUE(warnings.Messages().isEmpty());
        } else {
            EXPECT_TRUE(warnings.Single(QString::fromUtf8(c.warning)))
                << warnings.Messages().join('\n').toStdString();
        }
        EXPECT_EQ(item->property("icon").toUrl(), QUrl(QString::fromUtf8(c.url)));
        const PictureRef& icon = item->Button().Icon();
        ASSERT_EQ(icon != nullptr, c.size.isValid());
        if (icon) {
            EXPECT_EQ(QSize(icon->Width(), icon->Height()), c.size);
        }
        if (c.size == QSize(3, 2)) {
            EXPECT_EQ(icon->Point(2, 1), gdi::Rgb(255, 0, 0));
        }
    }
}

// The surface holds at most 16384 device pixels a side.
TEST(StylerButtonItemTest, TooLargeAButtonShowsNothing) {
    StylerButtonItem item;
    const double ratio = qGuiApp->devicePixelRatio();
    item.setSize(QSizeF(16384 / ratio, 2));
    EXPECT_EQ(item.Surface().Width(), 16384);
    const Warnings warnings;
    item.setSize(QSizeF(16385 / ratio, 2));
    EXPECT_TRUE(warnings.Single(QStringLiteral("a button of %1 x 2 is too large to draw (at most "
                                               "16384 device pixels a side); it shows nothing")
                                    .arg(16385 / ratio)))
        << warnings.Messages().join('\n').toStdString();
    EXPECT_EQ(item.Surface().Width(), 0);
    EXPECT_FALSE(item.contains(QPointF(5, 1)));
}

}  // namespace
}  // namespace tolvane::styler
