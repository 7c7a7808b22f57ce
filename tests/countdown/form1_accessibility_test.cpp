// The countdown window as a screen reader finds it, asked through QAccessible.
#include <chrono>
#include <map>
#include <string>

#include <QAccessible>
#include <QApplication>

#include <gtest/gtest.h>

#include "forms/end_program.h"
#include "base/date_serial.h"
#include "tests/countdown/qt_form1.h"

namespace tolvane::countdown {
namespace {

using namespace std::chrono;

// A Form1 on a clock that stands still at 28 April 2013 10:54:50, 344 days before the target
// day; EndProgram is counted instead of ending the test.
class Form1AccessibilityTest : public testing::Test {
  protected:
    Form1AccessibilityTest()
        : clock_(base::SerialFromCivil(sys_days{2013y / 4 / 28} + 10h + 54min + 50s),
                 [] { return steady_clock::duration::zero(); }),
          end_program_([this] { ++ends_; }),
          form_(clock_, [](const ShowMessage&) {}) {}

    QAccessibleInterface* Window() {
        return QAccessible::queryAccessibleInterface(&form_.Window());
    }
    // The window's accessible children by name, with their roles.
    std::map<std::string, QAccessible::Role> Children() {
        std::map<std::string, QAccessible::Role> children;
        QAccessibleInterface* window = Window();
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            EXPECT_EQ(window->indexOfChild(child), i);
            children[child->text(QAccessible::Name).toStdString()] = child->role();
        }
        return children;
    }

    base::SimulatedClock clock_;
    int ends_ = 0;
    forms::ScopedEndProgramHandler end_program_;
    QtForm1 form_;
};

TEST_F(Form1AccessibilityTest, WindowShowsItsVisibleLabelsAndTheButtonByName) {
    ASSERT_TRUE(form_.Load());
    EXPECT_EQ(Window()->role(), QAccessible::Window);
    EXPECT_EQ(Window()->text(QAccessible::Name), QStringLiteral("Tolvane"));
    EXPECT_EQ(Children().count("1080 天"), 1u);  // the counter while it runs down
    ASSERT_TRUE(form_.Settle());

    const std::map<std::string, QAccessible::Role> children = Children();
    const std::map<std::string, QAccessible::Role> expected{
        {"距离2014年4月8日还剩 ：", QAccessible::StaticText},
        {"天", QAccessible::StaticText},
        {"现在日期：2013年04月28日", QAccessible::StaticText},
        {"344 天", QAccessible::StaticText},
        {form_.Label(LabelId::Label6).Text(), QAccessible::StaticText},
        {"关闭", QAccessible::Button},
    };
    EXPECT_EQ(children, expected);  // neither hidden label, nor the spaced "0 3 4 4"
    QAccessibleInterface* counter =
        QAccessible::queryAccessibleInterface(&form_.Label(LabelId::Label4));
    EXPECT_EQ(counter->text(QAccessible::Description),
              QString::fromUtf8("点击此处直接计算剩余天数"));
}

TEST_F(Form1AccessibilityTest, PressActionOfTheButtonEndsTheProgram) {
    ASSERT_TRUE(form_.Load());
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&form_.StylerButton1());
    ASSERT_NE(button->actionInterface(), nullptr);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ends_, 1);
    EXPECT_TRUE(form_.Ended());
}

}  // namespace
}  // namespace tolvane::countdown
