// StylerButtonWidget as a Qt widget: the events as signals, the NOTIFY signals, and the two
// properties renamed away from QWidget's own.
#include <string>
#include <vector>

#include <QApplication>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "stylerbutton/core/property_table.h"
#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {
namespace {

using testing::ElementsAre;

class StylerButtonWidgetSignalsTest : public testing::Test {
  protected:
    StylerButtonWidgetSignalsTest() {
        window_.setGeometry(100, 100, 300, 200);
        button_ = new StylerButtonWidget("StylerButton1", &window_);
        button_->setGeometry(50, 60, 105, 33);
        button_->SetRunMode(false);
        button_->Button().ApplyDefaults();
        window_.show();
        window_.activateWindow();
        QCoreApplication::processEvents();
        button_->setFocus();
    }

    void Click() { QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, {70, 70}); }
    void Key(Qt::Key key) { QTest::keyClick(window_.windowHandle(), key); }

    QWidget window_;
    StylerButtonWidget* button_;
    std::vector<std::string> log_;
};

TEST_F(StylerButtonWidgetSignalsTest, EventsAreSignalsAfterTheCallbacksAndReachBackByReference) {
    using W = StylerButtonWidget;
    button_->Events().KeyPress = [this](std::int16_t& ascii) {
        log_.push_back("callback KeyPress " + std::to_string(ascii));
    };
    QObject::connect(button_, &W::Click, [this] { log_.push_back("Click"); });
    QObject::connect(button_, &W::KeyPress, [this](qint16& ascii) {
        log_.push_back("KeyPress " + std::to_string(ascii));
        ascii = 0;  // keeps Enter from clicking
    });
    QObject::connect(button_, &W::KeyDown, [](qint16& code, qint16&) { code = KeySpace; });
    QObject::connect(
        button_, &W::MouseDown, [this](qint16& bits, qint16& shift, float& x, float& y) {
            log_.push_back("MouseDown " + std::to_string(bits) + " " + std::to_string(shift) + " " +
                           std::to_string(static_cast<int>(x)) + " " +
                           std::to_string(static_cast<int>(y)));
            bits = 2;  // the button then sees no left press
        });
    QObject::connect(button_, &W::MouseUp,
                     [this](qint16&, qint16&, float&, float&) { log_.push_back("MouseUp"); });

    Key(Qt::Key_Return);
    EXPECT_THAT(log_, ElementsAre("callback KeyPress 13", "KeyPress 13"));

    // The slot made the key-down of A a Space: the button shows itself pressed.
    QTest::keyPress(window_.windowHandle(), Qt::Key_A);
    EXPECT_EQ(button_->Button().Pressed(), BoolTrue);
    QTest::keyRelease(window_.windowHandle(), Qt::Key_A);

    log_.clear();
    QTest::mousePress(window_.windowHandle(), Qt::LeftButton, {}, {70, 70});
    EXPECT_EQ(button_->Button().Pressed(), BoolTrue);  // still from the key: no left press seen
    QTest::mouseRelease(window_.windowHandle(), Qt::LeftButton, {}, {70, 70});
    EXPECT_THAT(log_, ElementsAre("MouseDown 1 0 20 10", "MouseUp", "Click"));
}

// Each property has a NOTIFY signal of its own, emitted once on every assignment, also of the
// value it holds; the change notice of one property never notifies another.
TEST_F(StylerButtonWidgetSignalsTest, EveryPropertyNotifiesItsOwnSignalOnEverySet) {
    const QMetaObject& meta = StylerButtonWidget::staticMetaObject;
    std::vector<QMetaProperty> properties;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        properties.push_back(meta.property(i));
        ASSERT_TRUE(properties.back().hasNotifySignal()) << properties.back().name();
        spies.push_back(std::make_unique<QSignalSpy>(button_, properties.back().notifySignal()));
    }
    ASSERT_EQ(properties.size(), 19u);
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const char* name = properties[i].name();
        for (auto& spy : spies) {
            spy->clear();
        }
        ASSERT_TRUE(button_->setProperty(name, button_->property(name))) << name;
        for (std::size_t j = 0; j < spies.size(); ++j) {
            EXPECT_EQ(spies[j]->count(), i == j ? 1 : 0) << "set " << name;
        }
    }
    // A slot sees the new value.
    int seen = 0;
    QObject::connect(button_, &StylerButtonWidget::ThemeChanged,
                     [&] { seen = button_->property("Theme").toInt(); });
    button_->SetTheme(ThemeSilver);
    EXPECT_EQ(seen, ThemeSilver);
}

// ButtonEnabled is the button's own flag and leaves the widget enabled; QWidget's enabled and font
// stay Qt's and leave the button's properties alone. Style sheets reach the button's properties
// by their Qt names.
TEST_F(StylerButtonWidgetSignalsTest, ButtonEnabledAndCaptionFontAreDistinctFromQWidgets) {
    QSignalSpy clicks(button_, &StylerButtonWidget::Click);
    ASSERT_TRUE(button_->setProperty("ButtonEnabled", false));
    EXPECT_EQ(button_->Button().Enabled(), BoolFalse);
    EXPECT_TRUE(button_->isEnabled());
    button_->clearFocus();
    button_->setFocus();
    EXPECT_TRUE(button_->hasFocus());  // the widget takes the focus; the button ignores it
    Click();
    Key(Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 0);

    button_->setProperty("ButtonEnabled", true);
    button_->setProperty("enabled", false);
    EXPECT_EQ(button_->Button().Enabled(), BoolTrue);
    Click();
    EXPECT_EQ(clicks.count(), 0);  // Qt gives a disabled widget no input
    button_->setEnabled(true);

    const gdi::FontRef font = button_->Button().Font();
    button_->setProperty("font", QFont(QStringLiteral("DejaVu Sans"), 20));
    EXPECT_EQ(button_->Button().Font(), font);

    button_->setStyleSheet(QStringLiteral("qproperty-ButtonEnabled: false; qproperty-Theme: 2;"));
    button_->ensurePolished();
    EXPECT_EQ(button_->Button().Enabled(), BoolFalse);
    EXPECT_EQ(button_->Button().Theme(), ThemeBlueGlass);
    EXPECT_TRUE(button_->isEnabled());
}

// The Q_PROPERTY lines are written out for moc; they say what the property table says: one Qt
// property per row, of the row's Qt name and type, notifying <name>Changed.
TEST(StylerButtonWidgetPropertiesTest, QtPropertiesAreTheRowsOfThePropertyTable) {
    const auto qt_type = [](PropertyType type) {
        switch (type) {
            case PropertyType::Text:
                return QMetaType::fromType<QString>();
            case PropertyType::Int32:
                return QMetaType::fromType<int>();
            case PropertyType::Int16:
                return QMetaType::fromType<qint16>();
            case PropertyType::Colour:
                return QMetaType::fromType<uint>();
            case PropertyType::Boolean:
                return QMetaType::fromType<bool>();
            case PropertyType::Font:
                return QMetaType::fromType<QFont>();
            case PropertyType::Picture:
                return QMetaType::fromType<QImage>();
        }
        return QMetaType();
    };
    const QMetaObject& meta = StylerButtonWidget::staticMetaObject;
    ASSERT_EQ(static_cast<std::size_t>(meta.propertyCount() - meta.propertyOffset()),
              PropertyTable().size());
    for (const PropertyInfo& row : PropertyTable()) {
        const int index = meta.indexOfProperty(row.QtName.data());
        ASSERT_GE(index, meta.propertyOffset()) << row.Name;
        const QMetaProperty property = meta.property(index);
        EXPECT_EQ(property.metaType(), qt_type(row.Type)) << row.Name;
        EXPECT_EQ(property.notifySignal().name(), QByteArray(row.QtName.data()) + "Changed")
            << row.Name;
    }
}

}  // namespace
}  // namespace tolvane::styler
