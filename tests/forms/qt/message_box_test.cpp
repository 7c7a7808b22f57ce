#include "forms/qt/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include "program/qt/translation.h"

namespace tolvane::qt {
namespace {

using forms::MessageIcon;

QApplication& Application() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

TEST(MessageBoxTest, CarriesTextTitleIconAndOneChineseOkButton) {
    ASSERT_TRUE(InstallChineseTranslation(Application()));
    const struct {
        MessageIcon icon;
        QMessageBox::Icon expected;
    } cases[] = {{MessageIcon::Critical, QMessageBox::Critical},
                 {MessageIcon::Information, QMessageBox::Information}};
    for (const auto& c : cases) {
        const char* text = "Micosoft Windows XP 已死 ！建议升级到 Windows 7或更高的系统。";
        const auto box = MakeMessageBox(nullptr, text, "提示", c.icon);
        EXPECT_EQ(box->text(), QString::fromUtf8(text));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
        EXPECT_EQ(box->icon(), c.expected);
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    }
}

TEST(MessageBoxTest, ShowMessageIsModalAndReturnsWhenClosed) {
    QString seen_text;
    bool seen_modal = false;
    // Runs inside the message box's own event loop, as the user would: find it by its title,
    // then press its OK button.
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible() &&
                box->windowTitle() == QStringLiteral("错误")) {
                seen_text = box->text();
                seen_modal = box->isModal();
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    ShowMessage(nullptr, "系统时间错误！", "错误", MessageIcon::Critical);
    EXPECT_EQ(seen_text, QStringLiteral("系统时间错误！"));
    EXPECT_TRUE(seen_modal);
}

}  // namespace
}  // namespace tolvane::qt
