// What assistive technology gets from a StylerButtonWidget, asked through QAccessible.
#include <memory>
#include <vector>

#include <QAccessible>
#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::styler {
namespace {

// A shown window holding a button with its defaults, which has the focus.
struct Host {
    Host() {
        window.setGeometry(100, 100, 300, 200);
        button = new StylerButtonWidget("StylerButton1", &window);
        button->setGeometry(50, 60, 105, 33);
        button->SetRunMode(false);
        button->Button().ApplyDefaults();
        window.show();
        window.activateWindow();
        QCoreApplication::processEvents();
        button->setFocus();
    }
    QAccessibleInterface* Accessible() const {
        return QAccessible::queryAccessibleInterface(button);
    }
    void Key(QEvent::Type type, Qt::Key key) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }

    QWidget window;
    StylerButtonWidget* button;
};

TEST(StylerButtonAccessibleTest, IsAPushButtonNamedByItsCaptionAndDescribedByItsToolTip) {
    Host host;
    QAccessibleInterface* accessible = host.Accessible();
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("StylerButton1"));
    host.button->SetCaption(QString::fromUtf8("关闭"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8("关闭"));
    EXPECT_EQ(accessible->text(QAccessible::Description), QString());
    host.button->setToolTip(QStringLiteral("Ends the program"));
    EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("Ends the program"));
    host.button->setAccessibleName(QStringLiteral("Close"));  // a host's own name wins
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Close"));
    EXPECT_EQ(accessible->parent()->object(), &host.window);
}

TEST(StylerButtonAccessibleTest, StatesFollowTheButtonsFlags) {
    struct Expected {
        bool disabled, focused, pressed, hot;
    };
    const struct {
        const char* name;
        void (*act)(Host&);
        Expected expected;
    } cases[] = {
        {"focused", [](Host&) {}, {false, true, false, false}},
        {"Space held",
         [](Host& h) { h.Key(QEvent::KeyPress, Qt::Key_Space); },
         {false, true, true, false}},
        {"focus elsewhere", [](Host& h) { h.button->clearFocus(); }, {false, false, false, false}},
        // The widget stays enabled; the button's flag and its frozen focus are what count.
        {"Enabled false",
         [](Host& h) { h.button->SetButtonEnabled(false); },
         {true, true, false, false}},
        {"pointer over it",
         [](Host& h) {
             QCursor::setPos(h.button->mapToGlobal(QPoint(20, 10)));
             QCoreApplication::processEvents();
             h.button->Button().OnHoverTimerTick();
         },
         {false, true, false, true}},
    };
    for (const auto& c : cases) {
        Host host;
        c.act(host);
        const QAccessible::State state = host.Accessible()->state();
        EXPECT_EQ(bool(state.disabled), c.expected.disabled) << c.name;
        EXPECT_EQ(bool(state.focused), c.expected.focused) << c.name;
        EXPECT_EQ(bool(state.pressed), c.expected.pressed) << c.name;
        EXPECT_EQ(bool(state.hotTracked), c.expected.hot) << c.name;
        EXPECT_TRUE(state.focusable) << c.name;
    }
}

TEST(StylerButtonAccessibleTest, PressActionClicksAsEnterDoesOnlyWhileEnabled) {
    Host host;
    QSignalSpy clicks(host.button, &StylerButtonWidget::Click);
    int key_presses = 0;
    QObject::connect(host.button, &StylerButtonWidget::KeyPress, [&](qint16&) { ++key_presses; });
    QAccessibleActionInterface* actions = host.Accessible()->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(key_presses, 0);
    host.button->SetButtonEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace tolvane::styler
