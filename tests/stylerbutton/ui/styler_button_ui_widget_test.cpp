#include "stylerbutton/ui/styler_button_ui_widget.h"

#include <QMetaProperty>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace tolvane::styler {
namespace {

QMetaType::Type PropertyType(const QObject& object, const char* name) {
    const QMetaObject* meta = object.metaObject();
    return static_cast<QMetaType::Type>(meta->property(meta->indexOfProperty(name)).typeId());
}

TEST(StylerButtonUiWidgetTest, IsANewInstanceAsSoonAsItIsBuilt) {
    QWidget window;
    const StylerButtonUiWidget button(&window);
    EXPECT_EQ(button.parentWidget(), &window);
    EXPECT_EQ(button.Caption(), QStringLiteral("StylerButton"));
    EXPECT_EQ(button.CaptionEffectColor(), 0xFFFFFFu);
    EXPECT_EQ(button.CaptionDisableColor(), 0xD4D4D4u);
    EXPECT_TRUE(button.ButtonEnabled());
}

TEST(StylerButtonUiWidgetTest, RunsItsHoverPollOnlyInARunningForm) {
    const StylerButtonUiWidget running;
    const StylerButtonUiWidget designed(nullptr, FormMode::Designing);
    EXPECT_TRUE(running.IsHoverTimerRunning());
    EXPECT_FALSE(designed.IsHoverTimerRunning());
}

TEST(StylerButtonUiWidgetTest, ItsInstanceNameIsTheNameTheFormGivesIt) {
    StylerButtonUiWidget button;
    button.setObjectName(QStringLiteral("okButton"));
    EXPECT_EQ(button.InstanceName(), "okButton");
    button.Button().ApplyDefaults();
    EXPECT_EQ(button.Caption(), QStringLiteral("okButton"));
}

// Designer edits int and pixmap properties, not qint16 or QImage ones.
TEST(StylerButtonUiWidgetTest, ShowsTheOffsetsAsIntAndTheIconAsAPixmap) {
    const StylerButtonUiWidget button;
    for (const char* name :
         {"CaptionOffsetX", "CaptionOffsetY", "ShadowOffsetX", "ShadowOffsetY"}) {
        EXPECT_EQ(PropertyType(button, name), QMetaType::Int) << name;
    }
    EXPECT_EQ(PropertyType(button, "Icon"), QMetaType::QPixmap);
}

TEST(StylerButtonUiWidgetTest, OffsetsSetByNameReachTheButtonAndOutOfRangeOnesAreRefused) {
    StylerButtonUiWidget button;
    ASSERT_TRUE(button.setProperty("CaptionOffsetY", 7));
    ASSERT_TRUE(button.setProperty("ShadowOffsetX", -32768));
    EXPECT_EQ(button.Button().CaptionOffsetY(), 7);
    EXPECT_EQ(button.Button().ShadowOffsetX(), -32768);
    // Narrowed, 65536 + 300 would read as 300: the offset keeps its value instead.
    button.setProperty("CaptionOffsetY", 65536 + 300);
    button.setProperty("ShadowOffsetX", -32769);
    EXPECT_EQ(button.Button().CaptionOffsetY(), 7);
    EXPECT_EQ(button.Button().ShadowOffsetX(), -32768);
    EXPECT_EQ(button.property("CaptionOffsetY").toInt(), 7);
}

// The redeclared faces keep the change signals of the properties they stand for.
TEST(StylerButtonUiWidgetTest, RedeclaredPropertiesNotifyChanges) {
    StylerButtonUiWidget button;
    const QMetaObject* meta = button.metaObject();
    for (const char* name :
         {"CaptionOffsetX", "CaptionOffsetY", "ShadowOffsetX", "ShadowOffsetY", "Icon"}) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        EXPECT_TRUE(property.hasNotifySignal()) << name;
    }
    int notices = 0;
    QObject::connect(&button, &StylerButtonWidget::ShadowOffsetYChanged, [&] { ++notices; });
    button.setProperty("ShadowOffsetY", 4);
    EXPECT_EQ(notices, 1);
}

TEST(StylerButtonUiWidgetTest, APixmapSetByNameIsTheIconAndANullOneRemovesIt) {
    StylerButtonUiWidget button;
    QPixmap pixmap(12, 10);
    pixmap.fill(QColor(10, 20, 30));
    ASSERT_TRUE(button.setProperty("Icon", pixmap));
    ASSERT_NE(button.Button().Icon(), nullptr);
    EXPECT_EQ(button.Button().Icon()->Width(), 12);
    EXPECT_EQ(button.Button().Icon()->Point(5, 5), gdi::Rgb(10, 20, 30));
    EXPECT_EQ(button.property("Icon").value<QPixmap>().size(), QSize(12, 10));

    ASSERT_TRUE(button.setProperty("Icon", QPixmap()));
    EXPECT_EQ(button.Button().Icon(), nullptr);
    EXPECT_TRUE(button.property("Icon").value<QPixmap>().isNull());
}

}  // namespace
}  // namespace tolvane::styler
